#pragma once
#include <array>
#include <cstdint>
#include "game/scene/GameObject.h"

class GameGlobal;
class SurfaceChain;

/// Particles thrown from one point in a cone or a full circle, each fading through a row of
/// sprite frames as its life runs out; the base of `Explosion` and `Smoke`. A particle's life
/// starts at its speed (shorter towards a cone's edges) and falls by 1/8 per frame; the burst
/// marks itself dead in the first frame in which no particle is left. Positions are screen
/// positions of the 640 by 480 field: the camera is not subtracted. No allocation per frame.
class ParticleBurst : public GameObject {
    VEK_REGISTERED_CLASS()

    static constexpr int MAXSPARCS = 250;
    static constexpr double LIFE_STEP = 0.125;
    static constexpr double FULL_LIFE = 5.0; ///< the life at which a particle shows its first frame

    struct Particle {
        double x, y, vx, vy, life;
        int32_t angleFrame; ///< the direction among 32 (explosions' sparks)
    };

    void frameUpdate() override;
    /// Class name, then every particle's position and life.
    void addToDigest(GameDigest& digest) const override;

    std::array<Particle, MAXSPARCS> particles;
    int32_t count = 0;

  protected:
    /// Particles drawn from that chain of the game root (none without a root), none yet.
    explicit ParticleBurst(SurfaceChain* GameGlobal::*frames);
    /// Throws `newCount` particles (0 to MAXSPARCS) from (x, y) with speeds up to `maxSpeed`
    /// units per frame, around `direction` within `spread` (radians; 2 pi a full circle). Two
    /// draws of the generator per particle: its angle, then its speed.
    void spawn(int newCount, double x, double y, double maxSpeed, double direction, double spread);
    /// The frame of `chain` that shows the particle now.
    virtual int frameOf(const Particle& particle) const = 0;

    SurfaceChain* chain = nullptr; ///< not owned; null draws nothing

  private:
    void drawAt(int frame, double x, double y) const;
};
