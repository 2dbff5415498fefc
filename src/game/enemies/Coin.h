#pragma once
#include "game/enemies/Pickup.h"

/// A spinning coin thrown upwards: it bounces off the floor and the field's sides until a
/// landing is too slow to bounce, then it is gone. Points, and every hundredth the treasure.
class Coin : public Pickup {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t POINTS = 1750;

    /// At (x, y), on a random frame; three draws: frame, direction, speed.
    Coin(double x, double y);

    void frameUpdate() override;
    void collect(Fighter& fighter) override;
    /// Position and velocity.
    void addToDigest(GameDigest& digest) const override;

    double vx, vy;
};
