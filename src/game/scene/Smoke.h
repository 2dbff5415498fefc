#pragma once
#include "game/scene/ParticleBurst.h"

/// Puffs of smoke that swell and fade through the smoke frames as their life runs out. Its
/// speed is not bounded: a puff faster than the frames were made for starts on the first one.
class Smoke : public ParticleBurst {
    VEK_REGISTERED_CLASS()

    /// More than MAXSPARCS puffs is fatal.
    Smoke(int numSparcs, double x, double y, double maxSpeed, double direction, double spread);
    /// The smoke engines leave behind: `count` puffs drifting downwards within a half circle
    /// at up to 3 units per frame.
    static Smoke* exhaust(int count, double x, double y);

  protected:
    int frameOf(const Particle& particle) const override;
};
