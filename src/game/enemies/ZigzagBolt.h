#pragma once
#include "game/enemies/EnemyShot.h"

/// A crackling purple bolt that flies straight on, faster on the hard difficulty; gone once
/// off the screen.
class ZigzagBolt : public EnemyShot {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t HARD_SPEED = 3; ///< added per difficulty step

    /// From (x, y) heading `angle` (radians, pi/2 straight down) at `speed` plus the
    /// difficulty's share, slowed to 25/30 as the game's per-frame speeds are.
    ZigzagBolt(double x, double y, double angle, double speed);

    void frameUpdate() override;
    /// Position and velocity.
    void addToDigest(GameDigest& digest) const override;

    double vx, vy;
};
