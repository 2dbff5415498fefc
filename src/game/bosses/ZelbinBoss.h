#pragma once
#include "game/enemies/FlappingZelbin.h"

/// The big zelbin: roams the upper field for ever on smooth curves, raining pods, squeaks
/// and sheds fluff at every hit (which pays a little), and bursts into legs and smoke.
class ZelbinBoss : public FlappingZelbin {
    VEK_REGISTERED_CLASS()

    static constexpr double START_Y = -100.0; ///< it enters from above the field
    static constexpr int32_t POD_ODDS = 12;   ///< a pod on one frame in this many, seen or not
    static constexpr int32_t HIT_POINTS = 50; ///< paid to the hitting player per hit

    /// Above the field at `x`, on its way to its first random point.
    explicit ZelbinBoss(double x);

    /// Flaps, flies, may drop a pod, then trails its path.
    void frameUpdate() override;
    /// On to the next random point of the upper field.
    void onStepDone() override;
    /// Knocked back and the damage, then the squeak, the hit's points and a wisp of fluff.
    void takeDamage(int32_t amount, int killer) override;
    /// A shaking blast of legs, smoke and sparks, then its loot and points.
    void die(int killer) override;
};
