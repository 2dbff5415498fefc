#include "menus/ContextKeyboardControls.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/VekInput.h"
#include "menus/ContextKeyBindings.h"
#include "menus/Label.h"
#include "menus/MenuButton.h"
#include "game/GameInput.h"
#include "menus/MenuLayout.h"

namespace {

constexpr int ROW_WIDTH = 192;
constexpr int ESCAPE_CODE = 1;
constexpr uint32_t KEY_NAME_COLOUR = 0xFFFFFFFF;
constexpr int KEY_NAME_FLAGS = FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE;

} // namespace

ContextKeyboardControls::ContextKeyboardControls() {
    setUpMenuScreen(*this);
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_DEVICE_KEYBOARD));
    auto* menuKey =
        addMenuItem(*this, new MenuItem(0.f, 2.f * r, 0.f, menuText(STR_CONTROLSINGAMEMENU), u""));
    menuKey->setWidth(ROW_WIDTH);
    menuKey->disabled = true;
    menuKey->disabledHint = menuText(STR_CONTROLSINGAMEMENUHINT);
    const VekInput* input = GameInput::getInput();
    auto* keyName = new Label(menuKey->position.x, menuKey->position.y, 0.f,
                              input ? input->keyNames[ESCAPE_CODE] : WideString(), Global::get()->fontMedium,
                              KEY_NAME_COLOUR);
    keyName->textFlags = KEY_NAME_FLAGS;
    addChild(keyName);
    player1 = addMenuItem(*this, new MenuButton(0.f, 0.f, 0.f, menuText(STR_CONTROLS1), u""));
    player2 = addMenuItem(*this, new MenuButton(0.f, -r, 0.f, menuText(STR_CONTROLS2), u""));
    addBackButton(*this);
}

void ContextKeyboardControls::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*player1)) openMenuScreen(new ContextKeyBindings(1));
    if (takeClick(*player2)) openMenuScreen(new ContextKeyBindings(2));
}
