#pragma once
#include "game/enemies/FlappingZelbin.h"

/// A zelbin drifting down under its membrane canopy. Shot down on the screen, the canopy
/// bursts and a common zelbin drops out of it; drifting below the field, it is gone.
class UmbrellaZelbin : public FlappingZelbin {
    VEK_REGISTERED_CLASS()

    static constexpr double GONE_Y = 520.0;
    static constexpr double RIDER_DROP = 12.0; ///< the rider appears this far below

    /// At (x, y), drifting 2 to 2 + level / 2 units per frame (one draw).
    UmbrellaZelbin(double x, double y);

    /// Flaps, may drop a pod, drifts down (no path), then trails its place.
    void frameUpdate() override;
    /// A puff with the plucking sound; on the screen its rider drops out; then loot and points.
    void die(int killer) override;
    /// The zelbin's part and the drift.
    void addToDigest(GameDigest& digest) const override;

    double fallSpeed; ///< units per frame
};
