#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// The fixed in-game menu key, and the way to each player's key bindings.
class ContextKeyboardControls : public ContextMenu {
  public:
    ContextKeyboardControls();

    void tickContents(double t, double dt) override;

    MenuButton* player1;
    MenuButton* player2;
};
