#pragma once
#include "game/enemies/Zelbin.h"

/// A zelbin of the grid formation: after its delay it flies to its home place in the grid,
/// sways with the formation there, and now and then dives at a fighter and loops back home.
/// The running game places it and queues its entry before its delay runs out.
class ZelbinAlt : public Zelbin {
    VEK_REGISTERED_CLASS()

    /// States: waiting out the delay, flying home, looping back home, holding its place,
    /// diving at a fighter.
    enum State : int32_t { WAITING = 0, FLYING_HOME = 1, LOOPING_HOME = 2, HOLDING = 3, DIVING = 4 };
    static constexpr double ENTRY_SPEED = 10.0;  ///< while flying home, one step for any length
    static constexpr int32_t DIVE_ODDS = 12000;  ///< a dive each frame with odds level in this
    static constexpr double LOOP_TANGENT = -25.0; ///< times the speed: dives leave upwards

    /// A zelbin of `colour` whose home is (homeX, homeY) of the grid, leaving for it after
    /// `delay` seconds.
    ZelbinAlt(int32_t colour, double homeX, double homeY, double delay);

    /// The flight home of the formations that gather from far outside the field: it takes
    /// `frames` frames whatever the distance.
    void setFlightFrames(double frames);
    /// Flaps, widens the formation's extent, may start a dive, and (once it has left) flies
    /// and may drop a pod, then trails its path.
    void frameUpdate() override;
    /// Arrived home: holds its place at its cruising speed; back from a dive: loops home.
    void onStepDone() override;
    /// The zelbin's part and its home.
    void addToDigest(GameDigest& digest) const override;

    double homeX, homeY;

  protected:
    void onStateChange() override;

  private:
    void widenFormation() const;
    void rollDive();
    void diveAtFighter();
};
