#pragma once
#include <cstdint>
#include "game/scene/Mover.h"
#include "game/scene/SpriteActor.h"

class Fighter;
class PlayerShot;

/// Base of everything hostile on the field that can be shot or rammed: a sprite that trails
/// its path (`mover`, closing half the gap every frame), with hit points and the points it
/// pays to the player who destroys it. The running game's enemy list owns it; it ends by its
/// dead mark, and only `die` pays. Kinds add their flight by queuing path steps (and by
/// `onStepDone`), their looks and their own frame step before the base one.
class Enemy : public SpriteActor {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t RAM_DAMAGE = 500;

    /// Keeps the owner's path and tells the owner when its last queued step has ended.
    class Path : public Mover {
      public:
        explicit Path(Enemy& enemy) : owner(enemy) {}
        void onStepDone() override { owner.onStepDone(); }

      private:
        Enemy& owner;
    };

    Enemy() = default;

    /// Moves halfway towards the path's point, then draws (the kinds update the path first).
    void frameUpdate() override;
    /// Stands at (x, y) with the path there and nothing queued.
    void setStartPosition(double startX, double startY);
    /// A fighter rammed the enemy: RAM_DAMAGE from that fighter's player.
    virtual void onRammed(Fighter& fighter);
    /// A player shot hit the enemy: the shot's damage from its owner.
    virtual void onShot(PlayerShot& shot);
    /// Destroyed by player `killer` (0 or 1): marks itself dead and pays its points (three
    /// times on the hard difficulty) to that player, who counts the kill.
    virtual void die(int killer);
    /// Takes `amount` unless invulnerable or destroyed already; below 1 hit point it dies.
    virtual void takeDamage(int32_t amount, int killer);
    /// The path's last queued step has ended; kinds queue the next one here.
    virtual void onStepDone() {}
    /// Position and hit points.
    void addToDigest(GameDigest& digest) const override;

    int32_t hitPoints = 100;
    bool bInvulnerable = false;
    int32_t points = 1000;
    bool bHarmless = false; ///< a fighter that rams it survives
    Path mover{*this};
};
