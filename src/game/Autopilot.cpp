#include "game/Autopilot.h"
#include <cmath>
#include "core/ChildIterator.h"
#include "core/KeyCodes.h"
#include "game/ContextManager.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SpriteActor.h"

namespace {

// The keyboard bindings' actions.
constexpr int KEY_LEFT = 0, KEY_RIGHT = 1, KEY_DOWN = 3, KEY_FIRE = 4, KEY_MISSILE = 5;

// Presses `code` as the devices would: a key, or a button of a joystick.
void press(platform::InputSnapshot& out, int code) {
    if (code > 0 && code < KEYBOARD_CODE_COUNT) {
        out.keys[static_cast<std::size_t>(code)] = true;
        return;
    }
    if (code < FIRST_JOYSTICK_CODE || code >= FIRST_MOUSE_CODE) return;
    const int device = (code - FIRST_JOYSTICK_CODE) / CODES_PER_JOYSTICK;
    const int button = (code - FIRST_JOYSTICK_CODE) % CODES_PER_JOYSTICK - JOYSTICK_BUTTON_OFFSET;
    if (button < 0 || button >= JOYSTICK_BUTTONS) return;
    platform::JoystickState& joystick = out.joysticks[static_cast<std::size_t>(device)];
    joystick.bConnected = true;
    joystick.buttons |= 1u << button;
}

int binding(int action, int player) {
    return GameGlobal::get()->configuration.keyboardBindings[action][player];
}

} // namespace

Autopilot::Autopilot(std::unique_ptr<platform::InputSource> devices) : pDevices(std::move(devices)) {}

void Autopilot::warpMouse(float x, float y) {
    pDevices->warpMouse(x, y);
}

void Autopilot::poll(platform::InputSnapshot& out) {
    pDevices->poll(out);
    ++frame;
    const GameGlobal* root = GameGlobal::get();
    if (!root || !root->contextManager) return;
    const GameController* game = GameController::running();
    if (!game || root->contextManager->getTopContext() != game) {
        // Everyone in the game presses fire, so both ships of a two-player start set off.
        if ((frame / RHYTHM) % 2 != 0) return;
        press(out, binding(KEY_FIRE, 0));
        if (game && game->isTakingPart(1)) press(out, binding(KEY_FIRE, 1));
        return;
    }
    for (int player = 0; player < GameController::PLAYERS; ++player)
        if (game->players[static_cast<std::size_t>(player)]->getState() == PlayerData::PLAYING)
            fly(*game, player, out);
}

double Autopilot::aimOf(const GameController& game, int player) {
    const Fighter& fighter = *game.players[static_cast<std::size_t>(player)]->fighter;
    double aim = fighter.x;
    double lowest = -1.0e9;
    for (const VekBase* member = game.enemies->getChildren().getHead(); member; member = member->getNext()) {
        const auto* enemy = static_cast<const SpriteActor*>(member);
        if (enemy->isDead() || enemy->y <= lowest) continue;
        lowest = enemy->y;
        aim = enemy->x;
    }
    double nearest = DODGE_REACH;
    for (const VekBase* member = game.enemyShots->getChildren().getHead(); member; member = member->getNext()) {
        const auto* shot = static_cast<const SpriteActor*>(member);
        const double distance = std::hypot(shot->x - fighter.x, shot->y - fighter.y);
        // A shot below the fighter's middle has passed it.
        if (shot->isDead() || distance >= nearest || shot->y > fighter.y) continue;
        nearest = distance;
        const double away = shot->x < fighter.x ? DODGE_STEP : -DODGE_STEP;
        // Against a side of the field the way out is past the shot, or it would stay cornered.
        const double aside = fighter.x + away;
        aim = aside < fighter.minX || aside > fighter.maxX ? fighter.x - away : aside;
    }
    return aim;
}

void Autopilot::fly(const GameController& game, int player, platform::InputSnapshot& out) const {
    const PlayerData& data = *game.players[static_cast<std::size_t>(player)];
    const Fighter& fighter = *data.fighter;
    const double aim = aimOf(game, player);
    if (aim < fighter.targetX - STEER_SLACK) press(out, binding(KEY_LEFT, player));
    if (aim > fighter.targetX + STEER_SLACK) press(out, binding(KEY_RIGHT, player));
    if (fighter.targetY < CRUISE_Y) press(out, binding(KEY_DOWN, player));
    press(out, binding(KEY_FIRE, player));
    const bool bCrowded = game.enemies->getChildren().count() >= static_cast<std::size_t>(CROWDED);
    if (bCrowded && data.missiles > 0 && frame % 2 == 0) press(out, binding(KEY_MISSILE, player));
}
