#pragma once
#include "game/scene/SpriteActor.h"

/// A wisp of membrane fluff: thrown out, it slows, sinks and shimmers through its frames
/// until its life is spent.
class Fluff : public SpriteActor {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t PHASES = 16; ///< two per frame of "bmp_fluff"

    /// At (x, y); four draws: the two speeds, life, phase, then the phase's direction.
    Fluff(double x, double y);

    void frameUpdate() override;
    /// Position, velocity, life and phase.
    void addToDigest(GameDigest& digest) const override;

    double vx, vy;
    int32_t life;  ///< frames
    int32_t phase; ///< 0 to PHASES - 1, to and fro
    int32_t phaseStep;
};
