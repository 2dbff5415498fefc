#pragma once
#include <array>
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
    /// What a destroyed enemy may drop, in the order its loot roll tries them. The first three
    /// drop once a wave at most (the running game remembers them); coins and legs any time.
    enum LootKind : int { LOOT_ATOM, LOOT_GIFTBOX, LOOT_ROAST, LOOT_COIN, LOOT_LEG, LOOT_KINDS };
    static constexpr int32_t DEFAULT_POD_INTERVAL = 500;

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
    /// Destroyed by player `killer` (0 or 1): marks itself dead, drops its loot when it is on
    /// the screen, and pays its points (three times on the hard difficulty) to that player,
    /// who counts the kill.
    virtual void die(int killer);
    /// Takes `amount` unless invulnerable or destroyed already; below 1 hit point it dies.
    virtual void takeDamage(int32_t amount, int killer);
    /// The path's last queued step has ended; kinds queue the next one here.
    virtual void onStepDone() {}
    /// Position and hit points.
    void addToDigest(GameDigest& digest) const override;
    /// The current star system (0 to 10) of the running game; 0 outside a game.
    static int32_t level();

    int32_t hitPoints = 100;
    bool bInvulnerable = false;
    int32_t points = 1000;
    bool bHarmless = false; ///< a fighter that rams it survives
    /// Per loot kind: a roll r mod lootChance of 0 drops lootCount of it; 0 never drops.
    std::array<int32_t, LOOT_KINDS> lootChance{};
    std::array<int32_t, LOOT_KINDS> lootCount{1, 1, 1, 1, 1};
    int32_t podInterval = DEFAULT_POD_INTERVAL; ///< a pod drops on a roll r mod podInterval of 0
    Path mover{*this};

  protected:
    /// One roll of the generator: 0 mod `interval` drops a pod straight down, when the enemy
    /// is on the screen. An interval of 0 or less never drops one (and rolls nothing).
    void rollPodDrop(int32_t interval);
    /// A pod leaves the enemy straight down, with the drop's sound.
    void dropPod();

  private:
    /// Walks the loot kinds in order; the first whose roll hits drops its count of pick-ups.
    void dropLoot();
};
