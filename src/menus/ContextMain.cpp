#include "menus/ContextMain.h"
#include "core/AppEnvironment.h"
#include "core/ErrorManager.h"
#include "core/Format.h"
#include "core/WebHost.h"
#include "game/Global.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "menus/ContextCreditsMenu.h"
#include "menus/ContextHighscores.h"
#include "menus/ContextOptions.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuButton.h"
#include "game/GameInput.h"
#include "menus/MenuItemLink.h"
#include "menus/MenuLayout.h"
#include "menus/MenuLogo.h"
#include "menus/PlayerGreeting.h"

namespace {

constexpr int KEY_X = 0x2D;
constexpr float LOGO_DROP = 80.f; // from the top edge
constexpr int MAIN_BUTTON_WIDTH = 256;
constexpr int CORNER_BUTTON_WIDTH = 160;
constexpr char16_t WEBSITE_PATH[] = u"/zv2/index.php?source=%s-%s";

/// Takes a button of the main column (items below one another, one item spacing apart).
MenuButton* mainButton(ContextMenu& menu, int row, StringId caption) {
    auto* button =
        new MenuButton(0.f, static_cast<float>(-menu.itemSpacing * row), 0.f, menuText(caption), {});
    button->setWidth(MAIN_BUTTON_WIDTH);
    menu.addMenuChild(button);
    return button;
}

} // namespace

ContextMain::ContextMain() {
    Global& game = *Global::get();
    deleteWhenClosed = true;
    confirmClose = true;
    pPreObject = game.menuBackground;
    pPostObject = game.snowfall;
    const float screenHeight = static_cast<float>(VekGraphics::get() ? VekGraphics::get()->screenHeight
                                                                     : VekGraphics::LOGICAL_HEIGHT);
    auto* logo = new MenuLogo();
    logo->position = {0.f, screenHeight / 2.f - LOGO_DROP, 0.f};
    addChild(logo);
    addMenuChild(new PlayerGreeting());
    startButton = mainButton(*this, 1, STR_STARTGAME);
    highscoresButton = mainButton(*this, 2, STR_HIGHSCORES);
    optionsButton = mainButton(*this, 3, STR_OPTIONSDOTS);
    creditsButton = mainButton(*this, 4, STR_CREDITS);
    auto* website = new MenuItemLink(bottomSlotX(*this, BottomSlot::End), static_cast<float>(-originY), 0.f,
                                     menuText(STR_WEBSITE), menuText(STR_WEBSITEHINT),
                                     webAddress(stringf(WEBSITE_PATH, BUILD_IDENTIFIER, VERSION_TEXT)));
    website->setWidth(CORNER_BUTTON_WIDTH);
    addMenuChild(website);
    addBackButton(*this, STR_QUIT);
}

void ContextMain::onActivate(bool first) {
    ContextMenu::onActivate(first);
    Global::get()->saveUserData();
}

void ContextMain::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    checkCrashRequest();
    openRequestedScreens();
}

void ContextMain::checkCrashRequest() {
    const VekInput* input = GameInput::getInput();
    if (!input) return;
    if (input->isKeyPressed(KEY_X) && input->modifiers == MODIFIER_CTRLALT) VEK_ERROR(u"Crash requested.");
}

void ContextMain::openRequestedScreens() {
    if (takeClick(*startButton)) startGame();
    if (takeClick(*optionsButton)) openMenuScreen(new ContextOptions());
    if (takeClick(*highscoresButton)) openMenuScreen(new ContextHighscores());
    if (takeClick(*creditsButton)) openMenuScreen(new ContextCreditsMenu());
}
