#pragma once
#include <cstdint>
#include "game/enemies/Enemy.h"
#include "game/scene/EngineFlame.h"

/// The player's ship as a scripted actor outside the playing field: it follows its path
/// (`mover`, queued by the scene's script), turns its 32-way sprite towards its motion and
/// burns two engine flames behind it. Outside the game's enemy list; its owner draws it.
class CutsceneFighter : public Enemy {
    VEK_REGISTERED_CLASS()

    static constexpr double SPEED = 4.0; ///< units per frame along its path
    static constexpr int32_t IDLE_FLAME = 2;

    CutsceneFighter();

    /// The path's step, the heading of a moving ship, the smoothed position, then the flames
    /// behind it and the ship over them.
    void frameUpdate() override;
    /// Both flames at `level` (0 to 5).
    void setFlameLevel(int32_t level);
    /// Both flames on afterburner, or off.
    void setAfterburner(bool bOn);
    /// Where the flame on `side` (-1 left, +1 right) burns: 18 units behind the ship and 10
    /// to that side, seen from the ship's heading.
    void nozzle(int side, double& outX, double& outY) const;
    /// Heading and position.
    void addToDigest(GameDigest& digest) const override;

    EngineFlame leftFlame;
    EngineFlame rightFlame;
    double heading; ///< radians; a ship at rest keeps the heading of its last motion
};
