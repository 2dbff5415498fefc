#include "menus/ContextJoystickControls.h"
#include "core/Format.h"
#include "game/Global.h"
#include "menus/ContextJoystickBindings.h"
#include "menus/MenuButton.h"
#include "menus/MenuLayout.h"
#include "menus/SliderButton.h"

namespace {

constexpr int32_t MAX_DEAD_ZONE = 24;

} // namespace

ContextJoystickControls::ContextJoystickControls() {
    setUpMenuScreen(*this);
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, title());
    addMenuItem(*this, new SliderButton(0.f, 2.f * r, 0.f, menuText(STR_JOYSTICKDEADZONE), u"",
                                        &Global::get()->configuration.joystickDeadZone, 0, MAX_DEAD_ZONE));
    player1 = addMenuItem(*this, new MenuButton(0.f, 0.f, 0.f, menuText(STR_CONTROLS1), u""));
    player2 = addMenuItem(*this, new MenuButton(0.f, -r, 0.f, menuText(STR_CONTROLS2), u""));
    addBackButton(*this);
}

WideString ContextJoystickControls::title() {
    return stringf(u"%s / %s", menuText(STR_DEVICE_JOYSTICK), menuText(STR_DEVICE_GAMEPAD));
}

void ContextJoystickControls::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*player1)) openMenuScreen(new ContextJoystickBindings(1));
    if (takeClick(*player2)) openMenuScreen(new ContextJoystickBindings(2));
}

void ContextJoystickControls::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    if (removed) Global::get()->applyConfiguration(-1, -1);
}
