#pragma once
#include <cstdint>
#include "game/player/PlayerControlled.h"
#include "media/Vector.h"

class EngineFlame;
struct TouchPoint;

/// A player's ship. It steers towards a target point that the keys, the stick, the mouse or
/// a finger move, covering half the remaining way every frame; it banks as it turns, shows
/// two engine flames and, after appearing, a shield that makes it immune for a while. It
/// fires the current weapon and missiles, collects the items it touches and is destroyed by
/// the enemies and enemy shots it touches while unshielded. Its player updates it every
/// frame while playing.
class Fighter : public PlayerControlled {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t LEVEL_BANK = 4; ///< the bank frame of level flight
    static constexpr int32_t MAX_BANK = 8;
    static constexpr int32_t SPEED_STEP = 3; ///< units per frame a held key adds
    static constexpr int32_t MAX_SPEED = 10;
    static constexpr int32_t STICK_SPEED = 10; ///< units per frame at full deflection
    static constexpr double RECOIL = 10.0;      ///< units each shot and missile push it down
    static constexpr int32_t SHIELD_TIME = 50;  ///< frames of immunity after appearing
    static constexpr double APPEAR_Y = 500.0;   ///< it appears below the screen and climbs

    explicit Fighter(int player);

    /// One frame: flames, controls, shield, steering, banking, firing and collisions.
    void frameUpdate() override;
    /// Appears below the screen at its target's x, climbs to the bottom of its bounds and
    /// is shielded meanwhile.
    void respawn() override;
    void setAfterburner(bool on) override;
    /// Position, target, speed and shield.
    void addToDigest(GameDigest& digest) const override;

    int32_t vx = 0; ///< units per frame from the keys
    int32_t vy = 0;
    int32_t bankFrame = LEVEL_BANK; ///< 0 (banking left) to 8 (banking right)
    int32_t targetX;
    int32_t targetY = 400;
    EngineFlame* leftFlame;  ///< owned (a child)
    EngineFlame* rightFlame; ///< owned (a child)
    Vector2 pointer; ///< the pointer on the field, each frame

  private:
    void updateFlames();
    void updateShield();
    void steerByPointer(VekInput& input);
    void steerByTouches(VekInput& input);
    /// What a new touch at field point `at` does: 1 the hud's button, 2 missile, 3 steering, 4 fire; 0 nothing.
    int classifyTouch(const Vector2& at, const VekInput& input) const;
    void steerByTouch(const TouchPoint& touch, const Vector2& at);
    void steerByKeys(const VekInput* input);
    void bankAndThrottle(int32_t previousX, int32_t previousY);
    void clampTarget();
    void fireWeapon();
    void fireMissile();
    void collide();
};
