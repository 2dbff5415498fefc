#pragma once
#include <cstdint>
#include "core/WideString.h"
#include "game/interludes/CutsceneFighter.h"

class GameController;

/// A player's ship at a game's end: making it enters the player's result into the local
/// high-score table, and the ship flies up from below the screen and shows the player's
/// rank there (when the result made the table) and the final score.
class NamedFighter : public CutsceneFighter {
    VEK_REGISTERED_CLASS()

    enum State : int32_t { ARRIVING = 1, SHOWING = 2 };
    static constexpr double START_Y = 550.0; ///< below the screen
    static constexpr double END_Y = 240.0;

    NamedFighter() = default;
    /// Player `index`'s result in `game`, entered into the table (`enterResult`); the game root's
    /// highlighted row becomes the best row of the players entered so far.
    NamedFighter(int32_t index, const GameController& game);

    /// The ship, and once it has arrived the rank and the score.
    void frameUpdate() override;
    /// Arrived: the engines go quiet in a cloud of smoke; the texts follow a second later.
    void onStepDone() override;
    /// The partner's result went into the table at `partnerRow` after this one's: a row at
    /// or above this one's pushes it one down, the last one out of the table.
    void onPartnerEntered(int32_t partnerRow);

    /// "First place!" and so on by the row; empty outside the table.
    WideString rankText() const;
    /// Enters player `index`'s row of `game`'s kept result (`GameController::keepResult`) into
    /// the high-score table and marks the better row of the players entered so far; the row, or
    /// -1 when it is not in the table.
    static int32_t enterResult(const GameController& game, int32_t index);

    int32_t playerIndex = 0;
    int32_t row = -1; ///< in the high-score table, -1 when not in it
    int32_t score = 0;

  private:
    void drawResult() const;
};
