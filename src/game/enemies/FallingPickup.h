#pragma once
#include "game/enemies/Pickup.h"

/// A pick-up that sinks straight down at its own speed and is gone below the field; it counts
/// for the team-play bonus.
class FallingPickup : public Pickup {
    VEK_REGISTERED_CLASS()

    static constexpr double GONE_Y = 500.0;

    /// Drawn, then one fall step.
    void frameUpdate() override;
    /// Position and fall speed.
    void addToDigest(GameDigest& digest) const override;

    double fallSpeed; ///< units per frame

  protected:
    /// At (x, y) showing `frame`, falling `speed` units per frame.
    FallingPickup(double x, double y, Surface* frame, double speed);
};
