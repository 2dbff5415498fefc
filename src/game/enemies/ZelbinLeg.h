#pragma once
#include "game/enemies/BouncingFood.h"

/// A tentacle of a destroyed zelbin, tumbling as it bounces: a little food and points.
class ZelbinLeg : public BouncingFood {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t POINTS = 250;

    /// At (x, y); four draws: direction, speed, spin angle, spin rate.
    ZelbinLeg(double x, double y);

    /// Flies, turns (no longer once it lies still), shows the frame of its angle and draws.
    void frameUpdate() override;
    void collect(Fighter& fighter) override;

    double spinAngle;
    double spinRate; ///< radians per frame, -pi/4 to pi/4
};
