#include "menus/ContextControls.h"
#include "core/Format.h"
#include "menus/ContextJoystickControls.h"
#include "menus/ContextKeyboardControls.h"
#include "menus/ContextMouseControls.h"
#include "menus/ContextTouchscreenControls.h"
#include "menus/MenuButton.h"
#include "menus/MenuLayout.h"

ContextControls::ContextControls() {
    setUpMenuScreen(*this);
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_CONTROLS));
    touchscreen =
        addMenuItem(*this, new MenuButton(0.f, 2.f * r, 0.f, menuText(STR_DEVICE_TOUCHSCREEN), u""));
    keyboard = addMenuItem(*this, new MenuButton(0.f, r, 0.f, menuText(STR_DEVICE_KEYBOARD), u""));
    mouse = addMenuItem(*this, new MenuButton(0.f, 0.f, 0.f, menuText(STR_DEVICE_MOUSE), u""));
    joystick = addMenuItem(*this, new MenuButton(0.f, -r, 0.f, ContextJoystickControls::title(), u""));
    addBackButton(*this);
}

void ContextControls::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*touchscreen)) openMenuScreen(new ContextTouchscreenControls());
    if (takeClick(*keyboard)) openMenuScreen(new ContextKeyboardControls());
    if (takeClick(*mouse)) openMenuScreen(new ContextMouseControls());
    if (takeClick(*joystick)) openMenuScreen(new ContextJoystickControls());
}
