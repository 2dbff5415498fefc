#include "game/player/PlayerControlled.h"
#include <cmath>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameInput.h"
#include "game/enemies/Enemy.h"
#include "game/player/PlayerData.h"
#include "media/VekInput.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(PlayerControlled, SpriteActor, u"PlayerControlled")

namespace {

// The keyboard bindings' actions, and the joystick's.
constexpr int KEY_LEFT = 0, KEY_RIGHT = 1, KEY_UP = 2, KEY_DOWN = 3, KEY_FIRE = 4, KEY_MISSILE = 5;
constexpr int JOYSTICK_FIRE = 0, JOYSTICK_MISSILE = 1;

} // namespace

PlayerControlled::PlayerControlled(int player)
    : playerIndex(player), bPointerAllowed(player == 0), shieldDirection(gameRandom.next() & 1 ? 1 : -1) {}

PlayerData& PlayerControlled::player() const {
    return *GameController::running()->players[static_cast<std::size_t>(playerIndex)];
}

int PlayerControlled::joystickDevice() const {
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    return playerIndex == 0 ? configuration.joystickIndex1 : configuration.joystickIndex2;
}

void PlayerControlled::frameUpdate() {
    SpriteActor::frameUpdate();
    const VekInput* input = GameInput::getInput();
    if (bControlsEnabled && input && GameGlobal::get()) readControls(*input);
}

void PlayerControlled::readControls(const VekInput& input) {
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    const auto key = [&](int action) { return configuration.keyboardBindings[action][playerIndex]; };
    const auto button = [&](int action) { return configuration.joystickBindings[action][playerIndex]; };
    const Vector3 hat = input.getJoystickHat(joystickDevice());
    bUp = input.isKeyDown(key(KEY_UP)) || hat.y > 0.f;
    bDown = input.isKeyDown(key(KEY_DOWN)) || hat.y < 0.f;
    bLeft = input.isKeyDown(key(KEY_LEFT)) || hat.x < 0.f;
    bRight = input.isKeyDown(key(KEY_RIGHT)) || hat.x > 0.f;
    bFirePressed = input.isKeyPressed(key(KEY_FIRE)) || input.isKeyPressed(button(JOYSTICK_FIRE));
    bFireHeld = input.isKeyDown(key(KEY_FIRE)) || input.isKeyDown(button(JOYSTICK_FIRE));
    bMissilePressed = input.isKeyPressed(key(KEY_MISSILE)) || input.isKeyPressed(button(JOYSTICK_MISSILE));
    const Vector3 stick = input.getJoystickStick(joystickDevice());
    if (bUp || bDown || bLeft || bRight || std::hypot(stick.x, stick.y) > STICK_DIRECTION) bPointerControl = false;
    if (bPointerAllowed) readPointerButtons(input);
}

void PlayerControlled::readPointerButtons(const VekInput& input) {
    const bool bMouseSteering = std::hypot(input.mouseMove.x, input.mouseMove.y) >= MOUSE_STEERING;
    if (bMouseSteering || input.isAnyTouchPressed()) bPointerControl = true;
    // Touches are the fighter's to sort out; the mouse's buttons fire as configured.
    if (input.inputMode == INPUTMODE_TOUCH) return;
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    // A button outside the mouse's range (a damaged setting) is never down.
    const auto down = [&](int index, const auto& buttons) {
        return index >= 0 && index < static_cast<int>(buttons.size()) && buttons[static_cast<std::size_t>(index)];
    };
    const auto pressed = [&](int index) {
        return down(index, input.mouseButtons) && !down(index, input.mouseButtonsPrevious);
    };
    bFirePressed = bFirePressed || pressed(configuration.mouseFireButton);
    bFireHeld = bFireHeld || down(configuration.mouseFireButton, input.mouseButtons);
    bMissilePressed = bMissilePressed || pressed(configuration.mouseAltFireButton);
}

void PlayerControlled::onShot(EnemyShot&) {
    player().destroyed();
}

void PlayerControlled::onRammed(Enemy& enemy) {
    if (!enemy.bHarmless) player().destroyed();
}
