#include "menus/ContextPause.h"
#include "game/ContextManager.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameInput.h"
#include "media/VekInput.h"
#include "menus/ConfigCheckBox.h"
#include "menus/MenuButton.h"
#include "menus/MenuFrame.h"
#include "menus/MenuLayout.h"

namespace {

constexpr int PANEL_SIZE = 384; // wide; one row of items less high
constexpr float RESUME_Y = 50.f;
constexpr float MUTE_X = -103.f;
constexpr float MUTE_Y = -100.f;

} // namespace

ContextPause::ContextPause() {
    setUpMenuScreen(*this, false);
    addChild(new MenuFrame(0.f, 0.f, 0.f, PANEL_SIZE, PANEL_SIZE - itemSpacing, false, menuText(STR_PAUSED)));
    resumeButton = addMenuItem(
        *this, new MenuButton(0.f, RESUME_Y, 0.f, menuText(STR_RESUME), menuText(STR_RESUMEHINT)));
    quitButton = addMenuItem(*this, new MenuButton(0.f, 0.f, 0.f, menuText(STR_QUITGAME), menuText(STR_QUITGAMEHINT),
                                                   {}, menuText(STR_CONFIRM)));
    auto* mute = addMenuItem(*this, new ConfigCheckBox(MUTE_X, MUTE_Y, 0.f, menuText(STR_MUTEAUDIO),
                                                       menuText(STR_MUTEAUDIOHINT),
                                                       &GameGlobal::get()->configuration.muteAudio));
    // Before the box its text would stick out of the panel, whose middle lies after it.
    mute->captionLocation = ContextMenu::captionLeading == MenuItem::CAPTION_LEFT ? MenuItem::CAPTION_RIGHT
                                                                                  : MenuItem::CAPTION_LEFT;
}

void ContextPause::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*resumeButton)) closed = true;
    if (takeClick(*quitButton)) {
        closed = true;
        if (GameController* game = GameController::running()) game->quit();
    }
}

void ContextPause::onActivate(bool first) {
    if (const VekInput* input = GameInput::getInput(); first && input) {
        pausedMouse = input->pointer;
        pausedInputMode = input->inputMode;
    }
    ContextMenu::onActivate(first);
}

void ContextPause::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    VekInput* input = GameInput::getInput();
    if (!removed || !input || pausedInputMode == INPUTMODE_TOUCH) return;
    input->setMousePosition(pausedMouse.x, pausedMouse.y);
    if (Context* below = GameGlobal::get()->contextManager->getTopContext()) below->updatePointerPosition();
}
