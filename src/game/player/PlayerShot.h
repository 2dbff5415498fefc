#pragma once
#include <cstdint>
#include "game/scene/SpriteActor.h"

class Enemy;

/// A shot of a player's weapon in the running game's player shots: it moves, dies off the
/// screen, and hits the first enemy it touches in list order, which takes its damage and
/// credits the kill to its owner. This class is the crystal, which speeds up by one unit
/// every frame; the other shots and the missile build on it.
class PlayerShot : public SpriteActor {
    VEK_REGISTERED_CLASS()

    /// A crystal of pattern damage `n` (a double crystal from 200) from (x, y) heading
    /// `angle`; it deals n / (difficulty + 1).
    PlayerShot(int player, int32_t n, double startX, double startY, double angle);

    /// Moves, draws, and dies off the screen or in the first enemy it touches.
    void frameUpdate() override;
    /// The shot struck `enemy`: a spray of sparks at full detail, and the shot is spent.
    virtual void impact(Enemy& enemy);
    /// Position, damage and speed.
    void addToDigest(GameDigest& digest) const override;

    int32_t playerIndex;
    int32_t damage;
    double angle; ///< radians; 0 right, -pi/2 up
    double speed; ///< units per frame

  protected:
    /// A shot of another kind, whose damage the kind works out.
    PlayerShot(int player, int32_t finalDamage, double startX, double startY, double heading, double startSpeed);
    /// One frame's movement.
    virtual void move();
    /// Draws; then off the screen the shot dies, else it hits the first enemy it touches.
    void strikeFirstEnemy();
    /// The running game's difficulty share: damage is divided by this (1 or 2).
    static int32_t difficultyDivisor();
};
