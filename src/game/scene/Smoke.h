#pragma once
#include "game/scene/ParticleBurst.h"

/// Puffs of smoke that swell and fade through the smoke frames as their life runs out. Its
/// speed is not bounded: a puff faster than the frames were made for starts on the first one.
class Smoke : public ParticleBurst {
    VEK_REGISTERED_CLASS()

    /// More than MAXSPARCS puffs is fatal.
    Smoke(int numSparcs, double x, double y, double maxSpeed, double direction, double spread);

  protected:
    int frameOf(const Particle& particle) const override;
};
