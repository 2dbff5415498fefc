#pragma once
#include "menus/ContextMain.h"

/// The game's main menu: the title screen with the game's own start action.
class ContextMainMenu : public ContextMain {
  public:
    ContextMainMenu();

    void startGame() override;
};
