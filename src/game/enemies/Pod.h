#pragma once
#include "game/enemies/EnemyShot.h"

/// A pod of goo that zelbins drop: it flies straight on and splats on the floor, where its
/// splat plays out. Gone once it leaves the field.
class Pod : public EnemyShot {
    VEK_REGISTERED_CLASS()

    static constexpr double SPLAT_Y = 450.0;

    /// From (x, y) heading `angle` (radians, pi/2 straight down) at `speed`, slowed to 2/3
    /// as the game's per-frame speeds are.
    Pod(double x, double y, double angle, double speed);

    /// Drawn first; then, while still in flight, one step and the splat on the floor.
    void frameUpdate() override;
    /// Position and velocity.
    void addToDigest(GameDigest& digest) const override;

    double vx, vy;

  private:
    bool isInFlight() const;
    bool isLeaving() const;
};
