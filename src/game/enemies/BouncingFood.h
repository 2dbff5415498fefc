#pragma once
#include "game/enemies/Pickup.h"

/// Food that pops out of a destroyed enemy in a random direction, falls, bounces on the floor
/// at half its speed and, once it lies still, stays a short while before it goes.
class BouncingFood : public Pickup {
    VEK_REGISTERED_CLASS()

    static constexpr double REST_SPEED = 0.5; ///< a landing slower than this ends the bouncing
    static constexpr int REST_SPREAD = 50;    ///< frames lying still: 10 to 59
    static constexpr int REST_MIN = 10;

    /// Position, velocity and the rest timer.
    void addToDigest(GameDigest& digest) const override;

    double vx = 0.0, vy = 0.0;
    int32_t restTimer = 0; ///< frames left lying still; 0 while it moves

  protected:
    /// At (x, y) showing `frame`, thrown at up to 8.3 units per frame (two draws: direction,
    /// then speed); `gravity` is added to the fall speed every frame above the floor.
    BouncingFood(double x, double y, Surface* frame, double gravity);
    /// One frame's flight (no drawing): true while it lies still on the floor.
    bool fly();

  private:
    double gravity;
};
