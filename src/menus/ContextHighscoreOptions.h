#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// "More options" of the high-score table: the world-wide tables on the web (the game
/// closes), uploading the local scores (through the network wizard while the network is not
/// configured) and clearing the local table.
class ContextHighscoreOptions : public ContextMenu {
  public:
    ContextHighscoreOptions();

    void tickContents(double t, double dt) override;

  private:
    MenuButton* pUpload;
    MenuButton* pReset;
};
