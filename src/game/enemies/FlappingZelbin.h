#pragma once
#include "game/GameGlobal.h"
#include "game/enemies/Enemy.h"
#include "game/enemies/Flapping.h"

class SurfaceChain;

/// What the zelbin kinds share: flapping through their frame chain, the knock-back of every
/// hit, the zelbins' loot, and bursting into a puff of smoke when destroyed.
class FlappingZelbin : public Enemy {
    VEK_REGISTERED_CLASS()

    static constexpr double KNOCK_BACK = 10.0; ///< units up per hit, protected or not

    /// Knocked back, then the damage.
    void takeDamage(int32_t amount, int killer) override;
    /// A puff of smoke with the hit sound, then loot and points.
    void die(int killer) override;
    /// The enemy's part and the flapping frame.
    void addToDigest(GameDigest& digest) const override;

    SurfaceChain* chain; ///< not owned
    Flapping flapping;

  protected:
    /// Flapping over the first `window` frames of `frames` (all when 0) from a random frame
    /// (two draws).
    explicit FlappingZelbin(SurfaceChain* frames, int32_t window = 0);
    /// One flapping step; the surface becomes the frame it reaches.
    void flap();
    /// The loot of the common zelbins: likelier in later systems, a dozen coins, else a leg.
    void carryZelbinLoot();
    /// A burst of smoke in the running game's explosions and `sound` at the zelbin.
    void burstIntoSmoke(GameSound* GameGlobal::*sound) const;
};
