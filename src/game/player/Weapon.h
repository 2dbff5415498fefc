#pragma once
#include <array>
#include <cstdint>
#include <numbers>
#include <span>
#include "game/scene/GameObject.h"

class GameGlobal;
class GameSound;
class PlayerShot;

/// One shot of a firing pattern: its damage before the difficulty's share, its place beside
/// the fighter (dx, dy, world units) and its heading (radians, -pi/2 straight up).
struct ShotPattern {
    int32_t damage;
    float dx;
    float dy;
    float angle;
};

/// A heading `offset` radians beside straight up, rounded to single precision as the
/// patterns keep their headings.
constexpr float headingUp(double offset = 0.0) {
    return static_cast<float>(-std::numbers::pi / 2.0 + offset);
}

/// The patterns of a weapon by power: powers 0 to 8 one each, then 9 to 19, then 20 and above.
struct PatternRow {
    static constexpr std::size_t MAX_SHOTS = 7;
    std::size_t count;
    std::array<ShotPattern, MAX_SHOTS> shots;
};
constexpr int POWER_TIERS = 11;
using PatternTable = std::array<PatternRow, POWER_TIERS>;

/// A player's gun: a power level that pick-ups raise and losing the fighter lowers, a firing
/// interval, and per power a fixed pattern of shots into the running game's player shots.
/// A fresh press fires once the interval has passed, a held button every second interval.
/// Times are game times. Main thread only.
class Weapon : public GameObject {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t MAX_POWER = 20; ///< this and every higher power fire the widest pattern

    /// The pattern row that `power` fires.
    static int tierOf(int32_t power);

    /// Plays the weapon's sound at the fighter, restarts the intervals and fires the pattern
    /// of the power from the fighter's position.
    virtual void fire();
    /// Raises the power by `n`, with the fanfare and the firepower bonus, or the max-power
    /// bonus when the power has just reached MAX_POWER.
    virtual void addPower(int32_t n);
    virtual bool canFire() const;
    virtual bool canAutoFire() const;
    /// The shots that the current power fires.
    std::span<const ShotPattern> pattern() const;
    /// Power and the fire times.
    void addToDigest(GameDigest& digest) const override;

    int32_t playerIndex;
    int32_t power = 0;
    double fireInterval; ///< seconds between two shots of fresh presses
    double nextFireTime = 0.0;
    double slowFireTime = 0.0;

  protected:
    Weapon(int player, double interval, GameSound* GameGlobal::*sound, const PatternTable& table);
    /// The kind's shot for one entry of the pattern, at (x, y).
    virtual PlayerShot* makeShot(const ShotPattern& shot, double x, double y) const = 0;

  private:
    GameSound* GameGlobal::*fireSound;
    const PatternTable& patterns;
};
