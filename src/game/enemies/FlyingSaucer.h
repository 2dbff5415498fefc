#pragma once
#include <memory>
#include "game/enemies/Enemy.h"
#include "game/enemies/Flapping.h"

class SoundChannel;

/// The bonus saucer: it hums across the field from left to right, firing bolts straight
/// down at a steady beat, and pays an atom or a gift when shot down.
class FlyingSaucer : public Enemy {
    VEK_REGISTERED_CLASS()

    static constexpr double GONE_X = 680.0;
    static constexpr int32_t BEAT = 15;       ///< frames between bolts, less the level
    static constexpr double BOLT_SPEED = 5.0; ///< plus the level

    /// At (x, y), its motor humming on the left.
    FlyingSaucer(double x, double y);
    ~FlyingSaucer() override;

    /// Flies right (no path), flaps, pans its hum, fires on the beat and draws.
    void frameUpdate() override;
    /// A medium blast and a burst of sparks, then loot and points.
    void die(int killer) override;

    Flapping flapping;

  private:
    void fireOnBeat();

    std::unique_ptr<SoundChannel> motor;
};
