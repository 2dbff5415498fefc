#pragma once
#include <numbers>
#include "game/enemies/Enemy.h"

/// A tumbling rock (material 0) or ice (material 1) asteroid that flies straight on. It
/// leaves the field, or with its bounce flag rebounds off the field's edges; shot apart, an
/// asteroid larger than its split step breaks into smaller pieces that fly on in a fan.
class Asteroid : public Enemy {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t BIG_SIZE = 8; ///< from this size on it shows the big picture
    static constexpr double SPEED_SCALE = 0.8333333333333334;

    /// Material 0 or 1, `size` (hit points in hundreds) at (x, y), heading `angle` (radians)
    /// at `baseSpeed` plus up to `randomSpeed` (one draw), slowed to 25/30 as the game's
    /// per-frame speeds are. Two further draws: its frame, kept for life.
    Asteroid(int32_t material, int32_t size, double x, double y, double angle, double baseSpeed,
             double randomSpeed);

    /// Rebounds or leaves, flies, trails smoke on the high detail setting, draws (no path).
    void frameUpdate() override;
    /// A small blast and sparks; larger than the split step, its pieces fly on; then loot
    /// and points.
    void die(int killer) override;
    /// The enemy's part, velocity and size.
    void addToDigest(GameDigest& digest) const override;

    int32_t material;
    int32_t size;
    double speed; ///< units per frame
    double vx, vy;
    bool bBounce = false;
    int32_t splitStep = 4;    ///< each piece is this much smaller
    int32_t pieces = 0;       ///< made when it is shot apart; 0 never splits
    double spread = 2.0 * std::numbers::pi; ///< the pieces' fan around its heading, radians

  private:
    void reboundOrLeave();
    void trailSmoke() const;
    void splitApart() const;

    Surface* look;
};
