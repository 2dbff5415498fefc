#pragma once
#include <array>
#include <cstdint>
#include "core/StringKeys.h"
#include "game/scene/GameObject.h"

class Fighter;
class Weapon;

/// One player of the running game: lives, score and counters, the fighter and the three
/// weapons, and the rules that turn kills, food and coins into bonuses. Every bonus is a
/// message in the player's hud queue whose making pays its points. The running game owns two.
///
/// States: 0 not in the game, 1 about to appear (1.5 s), 2 playing, 3 out of lives.
/// Times are game times (the running game's clock). Main thread only.
class PlayerData : public GameObject {
    VEK_REGISTERED_CLASS()

    enum State : int32_t { NOT_PLAYING = 0, ENTERING = 1, PLAYING = 2, OUT = 3 };
    static constexpr int MAXWEAPONS = 3;
    static constexpr int32_t START_LIVES = 5;
    static constexpr int32_t EXTRA_LIFE_STEP = 1000000;
    static constexpr double APPEAR_DELAY = 1.5;    ///< seconds in state 1
    static constexpr double MULTI_KILL_TIME = 1.0; ///< seconds between the kills of a multi-kill
    static constexpr int32_t FOOD_PER_MISSILE = 25;
    static constexpr int32_t COINS_PER_TREASURE = 100;

    /// Not playing, five lives, the first weapon at power 0.
    explicit PlayerData(int playerIndex);

    /// While playing: the fighter's step, then the multi-kill bonus once its second has passed.
    void frameUpdate() override;
    /// Counters, weapon and fighter.
    void addToDigest(GameDigest& digest) const override;

    /// The fighter was hit: it explodes, the weapon loses power, the wave's mothership bonus
    /// is gone and a life goes (or is borrowed from the partner; an invulnerable game counts
    /// it in its reserve counter instead); the last one ends this player's game, or the game.
    void destroyed();
    /// Adds `points`; passing the extra-life threshold gives a life and its bonus, whose
    /// points come here again and may pass the next threshold, one life after the other. A
    /// step of 0 or less gives no extra life; a step that the bonus alone passes gives at most
    /// one per call.
    void addScore(int32_t points);
    /// Makes weapon `index` (0 to 2) the current one with the current power; choosing the
    /// current one again raises its power by one. Another index is fatal.
    void switchWeapon(int index);
    /// Makes weapon `index` (0 to 2) the current one at `power`, quietly and without a bonus
    /// (a saved game's weapon). Another index is fatal.
    void restoreWeapon(int index, int32_t power);
    /// Every 25 food make a missile; what is above 25 is lost.
    void addFood(int32_t amount);
    /// Every 100 coins pay the treasure bonus.
    void addCoin();
    /// This player destroyed an enemy: counts it and pays the early-bird and first-kill bonuses.
    void onEnemyKilled();
    /// A bonus message in this player's hud queue; making it pays `points`.
    void award(StringId title, int32_t points, int32_t style) const;

    bool isTakingPart() const { return getState() == ENTERING || getState() == PLAYING; }
    Weapon& weapon() const { return *pWeapon; }
    /// 0, 1 or 2: which weapon is the current one.
    int weaponIndex() const;

    int32_t lives = START_LIVES;
    int32_t score = 0;
    int32_t playerIndex;
    Fighter* fighter; ///< owned (a child)
    int32_t food = 0;
    int32_t missiles = 0;
    int32_t kills = 0; ///< in this wave
    int32_t shots = 0; ///< weapon firings in this wave
    int32_t extraLifeThreshold = EXTRA_LIFE_STEP;
    int32_t extraLifeStep = EXTRA_LIFE_STEP;
    double multiKillTime = 0.0;
    int32_t multiKillCount = 0;
    double lastPickupTime = 0.0; ///< of the last item that counts for the team bonus
    int32_t coins = 0;
    std::array<Weapon*, MAXWEAPONS> weapons{}; ///< owned (children)

  protected:
    void onStateChange() override;

  private:
    bool hasPassedExtraLifeThreshold() const;
    /// Raises the threshold by a step and pays the life with its bonus.
    void payExtraLife();
    void explode() const;
    /// The other player still plays and can spare a life: it gives one up, and this player
    /// flies again with no lives of its own.
    bool borrowLife();
    void checkMultiKill();

    Weapon* pWeapon = nullptr;
    bool bPayingExtraLives = false; ///< `addScore` is paying lives; their bonuses only add points
};
