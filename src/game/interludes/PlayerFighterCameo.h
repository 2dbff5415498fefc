#pragma once
#include <cstdint>
#include "game/interludes/CutsceneFighter.h"

/// A player's ship waiting in the opening interlude under the names of that player's fire
/// controls: the first fire press lets the player join the new game, and the ship lights its
/// engines and leaves upwards; once it is off the top the interlude closes. Player 1 joins
/// by its fire controls only; player 0 also by a touch.
class PlayerFighterCameo : public CutsceneFighter {
    VEK_REGISTERED_CLASS()

    enum State : int32_t { WAITING = 1, JOINING = 2, LEAVING = 3 };
    static constexpr double SPEED = 7.0;
    static constexpr double START_Y = 300.0;
    static constexpr double LEAVE_Y = -100.0; ///< above the top edge
    static constexpr double IGNITION = 1.0;   ///< seconds from the press to the take-off

    PlayerFighterCameo() : PlayerFighterCameo(0) {}
    explicit PlayerFighterCameo(int32_t playerIndex);

    /// The ship; while waiting the names of the fire controls under it and the check for a
    /// press; while taking off the smoke of its engines.
    void frameUpdate() override;
    /// Off the top: the interlude closes.
    void onStepDone() override;

    /// The x of player `index`'s ship at a scene's bottom: one third across for player 0,
    /// two thirds for player 1.
    static double columnOf(int32_t index);

    int32_t playerIndex;

  protected:
    void onStateChange() override;

  private:
    bool isFirePressed() const;
    void drawControlNames() const;
    void smokeOfTakeOff();
};
