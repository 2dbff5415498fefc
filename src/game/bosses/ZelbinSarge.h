#pragma once
#include "game/enemies/FlappingZelbin.h"

/// The sergeant: a big zelbin that comes down into the field, then flies from one random
/// point to the next, trembling ever harder for two seconds at each before it fires a fan
/// of three bolts downwards.
class ZelbinSarge : public FlappingZelbin {
    VEK_REGISTERED_CLASS()

    enum State : int32_t { DESCENDING = 1, FLYING = 2, TREMBLING = 3, FIRING = 4 };
    static constexpr double ENTRY_Y = 100.0;      ///< it comes straight down to this height
    static constexpr double TREMBLE_TIME = 2.0;   ///< seconds from arriving to firing
    static constexpr double TREMBLE_REACH = 10.0; ///< units per second of trembling, at most

    /// At (x, y), descending at once.
    ZelbinSarge(double x, double y);

    /// Flaps, trembles before a shot, flies, then trails its path.
    void frameUpdate() override;
    /// Down: off to a random point; there: trembles.
    void onStepDone() override;
    /// A grunt, knocked back, then the damage.
    void takeDamage(int32_t amount, int killer) override;
    /// A cloud of smoke and its death cry, then its loot (legs by the ten) and points.
    void die(int killer) override;

  protected:
    void onStateChange() override;

  private:
    void flyToRandomPoint();
    void fireFan() const;
};
