#include "game/interludes/PlayerFighterCameo.h"
#include "core/KeyCodes.h"
#include "core/Language.h"
#include "core/StringKeys.h"
#include "core/Vek.h"
#include "game/GameController.h"
#include "game/GameFont.h"
#include "game/GameGlobal.h"
#include "game/GameInput.h"
#include "game/GameSound.h"
#include "game/scene/ContextScene.h"
#include "game/scene/Smoke.h"
#include "media/FontQuad.h"
#include "media/VekInput.h"

VEK_REGISTER_CLASS(PlayerFighterCameo, CutsceneFighter, u"PlayerFighterCameo")

namespace {

constexpr double COLUMN_STEP = 213.0, FIRST_COLUMN = 214.0;
constexpr int FIRE_ACTION = 4;   // in the keyboard bindings
constexpr int JOYSTICK_FIRE = 0; // in the joystick bindings
constexpr double NAME_ROWS[] = {50.0, 65.0, 80.0}; // below the ship: key, button, mouse
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr int32_t TAKE_OFF_FLAME = 5;
constexpr double TAKE_OFF_TANGENT = -250.0;
constexpr double SMOKE_UNTIL = 0.5; // of the way up
constexpr int SMOKE_PUFFS = 5;
constexpr double SMOKE_SIDE = 10.0, SMOKE_BELOW = 10.0;

bool isValidCode(int32_t code) {
    return code >= 0 && code < KEY_CODE_COUNT;
}

} // namespace

PlayerFighterCameo::PlayerFighterCameo(int32_t index) : playerIndex(index) {
    mover.speed = SPEED;
    setStartPosition(columnOf(index), START_Y);
    setState(WAITING);
}

double PlayerFighterCameo::columnOf(int32_t index) {
    return index * COLUMN_STEP + FIRST_COLUMN;
}

void PlayerFighterCameo::frameUpdate() {
    CutsceneFighter::frameUpdate();
    if (getState() == WAITING) {
        drawControlNames();
        if (isFirePressed()) setState(JOINING);
    }
    if (getState() == LEAVING && mover.t < SMOKE_UNTIL) smokeOfTakeOff();
}

bool PlayerFighterCameo::isFirePressed() const {
    const VekInput* input = GameInput::getInput();
    if (!input) return false;
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    const std::size_t player = static_cast<std::size_t>(playerIndex);
    return input->isKeyPressed(configuration.keyboardBindings[FIRE_ACTION][player]) ||
           input->isKeyPressed(configuration.joystickBindings[JOYSTICK_FIRE][player]) ||
           (playerIndex == 0 && input->isAnyTouchPressed());
}

void PlayerFighterCameo::drawControlNames() const {
    const VekInput* input = GameInput::getInput();
    GameFont* font = GameGlobal::get()->textFontSmall;
    if (!input || !font) return;
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    const std::size_t player = static_cast<std::size_t>(playerIndex);
    const int32_t codes[] = {configuration.keyboardBindings[FIRE_ACTION][player],
                             configuration.joystickBindings[JOYSTICK_FIRE][player]};
    for (std::size_t row = 0; row < std::size(codes); ++row)
        if (isValidCode(codes[row]))
            font->drawText(FontQuad::TEXT_CENTRE, WHITE, x, y + NAME_ROWS[row],
                           input->keyNames[static_cast<std::size_t>(codes[row])]);
    if (playerIndex == 0 && input->inputMode == INPUTMODE_MOUSE)
        font->drawText(FontQuad::TEXT_CENTRE, WHITE, x, y + NAME_ROWS[2],
                       Vek::get()->getLanguage().getString(STR_DIK_MOUSEBUTTON0));
}

void PlayerFighterCameo::onStateChange() {
    switch (getState()) {
    case JOINING:
        setAfterburner(true);
        setFlameLevel(0);
        if (GameSound* sound = GameGlobal::get()->soundEngineStart) sound->playSound(x);
        if (GameController* game = GameController::running()) game->joinPlayer(playerIndex);
        setState(LEAVING, IGNITION);
        break;
    case LEAVING:
        setFlameLevel(TAKE_OFF_FLAME);
        mover.addMove(x, LEAVE_Y, Mover::AUTO, Mover::AUTO, 0.0, TAKE_OFF_TANGENT, 0);
        break;
    default:
        break;
    }
}

void PlayerFighterCameo::smokeOfTakeOff() {
    // Into the scene's own list, where it is drawn.
    ContextScene* scene = ContextScene::active();
    if (!scene) return;
    for (const double side : {-SMOKE_SIDE, SMOKE_SIDE})
        scene->addChildFirst(Smoke::exhaust(SMOKE_PUFFS, x + side, y + SMOKE_BELOW));
}

void PlayerFighterCameo::onStepDone() {
    if (getState() != LEAVING) return;
    if (ContextScene* scene = ContextScene::active()) scene->closed = true;
}
