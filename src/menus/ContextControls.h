#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// The input devices, each leading to its own settings.
class ContextControls : public ContextMenu {
  public:
    ContextControls();

    void tickContents(double t, double dt) override;

    MenuButton* touchscreen;
    MenuButton* keyboard;
    MenuButton* mouse;
    MenuButton* joystick;
};
