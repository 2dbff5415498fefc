#pragma once
#include "core/WideString.h"
#include "menus/ContextMenu.h"

class MenuButton;
struct SavegameData;

/// Between the main menu and a game: a new game, or the continuation of the current player's
/// saved game (the one after the last wave, else the one after the last star system). A new
/// game asks first while a saved game exists; the saved games go only once a player joins.
class ContextGameStart : public ContextMenu {
  public:
    ContextGameStart();

    void tickContents(double t, double dt) override;

    /// What the continuation resumes: difficulty and wave after a wave, difficulty and the
    /// planet of the next star system after a system; empty when there is nothing to continue.
    static WideString describeSavedGame(const SavegameData& afterWave, const SavegameData& afterSystem);

    MenuButton* newGameButton;
    MenuButton* continueButton;

  private:
    void addControlNote();
    void continueGame();
};
