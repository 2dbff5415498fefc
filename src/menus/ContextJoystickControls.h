#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// The stick's dead zone, and the way to each player's joystick bindings.
class ContextJoystickControls : public ContextMenu {
  public:
    ContextJoystickControls();

    /// "Joystick / Gamepad" in the current language.
    static WideString title();

    void tickContents(double t, double dt) override;
    void onDeactivate(bool removed) override;

    MenuButton* player1;
    MenuButton* player2;
};
