#include "menus/ContextGameStart.h"
#include <algorithm>
#include "core/Format.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameInput.h"
#include "game/SavegameData.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "menus/Label.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuButton.h"
#include "menus/MenuLayout.h"
#include "menus/TextBox.h"

namespace {

constexpr float NEW_GAME_Y = 50.f;
constexpr float CONTROL_NOTE_Y = -100.f;
constexpr uint32_t WHITE = 0xFFFFFFFF;

/// The current player's saved games: after the last wave, and after the last star system.
const SavegameData& savedGame(int slot) {
    ProfileManager& profiles = GameGlobal::get()->profiles;
    return profiles.records[std::clamp(profiles.currentProfile, 0, ProfileBlock::MAX_PROFILES - 1)].savegames[slot];
}

StringId difficultyName(const SavegameData& saved) {
    return static_cast<StringId>(STR_ENUMDIFFICULTY0 + std::clamp(saved.difficulty, 0, 1));
}

} // namespace

ContextGameStart::ContextGameStart() {
    setUpMenuScreen(*this, false);
    addMenuTitle(*this, menuText(STR_STARTGAME));
    const WideString savedLine = describeSavedGame(savedGame(0), savedGame(1));
    newGameButton = addMenuItem(*this, new MenuButton(0.f, NEW_GAME_Y, 0.f, menuText(STR_SOLONEWGAME), u""));
    // Starting afresh gives up a saved game, so it asks first while there is one.
    if (!savedLine.empty()) {
        newGameButton->confirmTitle = menuText(STR_CONFIRM);
        newGameButton->confirmMessage = menuText(STR_SOLONEWGAMECONFIRM);
    }
    continueButton = addMenuItem(*this, new MenuButton(0.f, 0.f, 0.f, menuText(STR_SOLOCONTINUEGAME), savedLine));
    continueButton->disabled = savedLine.empty();
    continueButton->disabledHint = menuText(STR_SOLOCONTINUEGAMEHINTDISABLED);
    addBackButton(*this);
    const VekInput* input = GameInput::getInput();
    if (input && input->inputMode == INPUTMODE_TOUCH) addControlNote();
}

WideString ContextGameStart::describeSavedGame(const SavegameData& afterWave, const SavegameData& afterSystem) {
    if (afterWave.bValidData)
        return stringf(u"%s, %s %d", menuText(difficultyName(afterWave)), menuText(STR_WAVEDEFAULT),
                       afterWave.wave + 1);
    if (!afterSystem.bValidData) return {};
    const int32_t nextSystem = std::min(afterSystem.system + 1, GameController::LAST_SYSTEM);
    return stringf(u"%s, %s", menuText(difficultyName(afterSystem)),
                   menuText(static_cast<StringId>(STR_PLANETNAME1 + nextSystem)));
}

// On a touch screen the player learns how the ship is steered and fired, and where to change it.
void ContextGameStart::addControlNote() {
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    const WideString note =
        stringf(u"%s|%s||%s", menuText(static_cast<StringId>(STR_ENUMCONTROLMETHOD0DESC + configuration.controlMethod)),
                menuText(static_cast<StringId>(STR_ENUMFIRINGMETHOD0DESC + configuration.firingMethod)),
                menuText(STR_CONTROLMETHODCHANGE));
    const Label text(0.f, CONTROL_NOTE_Y, 0.f, note, GameGlobal::get()->fontSmall, WHITE);
    const VekGraphics* graphics = VekGraphics::get();
    addChild(new TextBox(text, graphics ? graphics->screenWidth : VekGraphics::LOGICAL_WIDTH));
}

void ContextGameStart::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*newGameButton)) {
        GameController::startNewGame();
        closed = true;
    } else if (takeClick(*continueButton)) {
        continueGame();
    }
}

void ContextGameStart::continueGame() {
    const int slot = savedGame(0).bValidData ? 0 : 1;
    GameController::continueGame(slot, savedGame(slot));
    closed = true;
}
