#pragma once
#include "game/enemies/Enemy.h"

/// A large seed pod falling straight down. Shot open on the screen it lets a zelbin out;
/// falling below the field, it is gone.
class BigPod : public Enemy {
    VEK_REGISTERED_CLASS()

    static constexpr double GONE_Y = 520.0;

    /// At (x, y), falling `fallSpeed` units per frame.
    BigPod(double fallSpeed, double x, double y);

    /// Falls and draws (no path).
    void frameUpdate() override;
    /// On the screen: a puff, the plucking sound and a zelbin of a random colour (one draw)
    /// that drops pods twice as often; then loot and points.
    void die(int killer) override;
    /// The enemy's part and the fall speed.
    void addToDigest(GameDigest& digest) const override;

    double fallSpeed;
};
