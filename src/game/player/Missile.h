#pragma once
#include "game/player/PlayerShot.h"

/// The fighter's special weapon: it speeds towards a point above the middle of the field,
/// trailing smoke, and bursts there, damaging every enemy and wiping out every enemy shot.
/// A missile that overshoots the point bursts where it is; one that leaves the screen is lost.
class Missile : public PlayerShot {
    VEK_REGISTERED_CLASS()

    static constexpr double TARGET_X = 320.0;
    static constexpr double TARGET_Y = 200.0;
    static constexpr double BURST_REACH = 10.0; ///< the burst happens this close (x and y distances summed)
    static constexpr int32_t BLAST_DAMAGE = 2500;
    static constexpr double ACCELERATION = 0.25; ///< units per frame, every frame

    Missile(int player, double startX, double startY);

    /// Flies, smokes and draws; bursts at the point or once past it, dies off the screen.
    void frameUpdate() override;
    /// Every enemy takes BLAST_DAMAGE from the owner, every enemy shot goes, the sky shakes.
    void detonate();

    double backAngle; ///< the heading turned round, 0 to 2 pi: where the smoke goes

  private:
    bool hasPassedTarget() const;
};
