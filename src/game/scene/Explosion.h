#pragma once
#include "game/scene/ParticleBurst.h"

/// A burst of sparks: each flies in its own direction, shown by the spark frame of that
/// heading, and cools through four rows of frames as its life runs out.
class Explosion : public ParticleBurst {
    VEK_REGISTERED_CLASS()

    static constexpr double MAXSPEED = 5.0; ///< units per frame

    /// More than MAXSPARCS sparks or a speed above MAXSPEED is fatal.
    Explosion(int numSparcs, double x, double y, double _maxSpeed, double direction, double spread);

  protected:
    int frameOf(const Particle& particle) const override;
};
