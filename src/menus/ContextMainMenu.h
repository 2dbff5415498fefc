#pragma once
#include "menus/ContextMain.h"

/// The title screen the game builds at start-up: its start button opens the game start.
class ContextMainMenu : public ContextMain {
  public:
    void startGame() override;
};
