#pragma once
#include <cstdint>
#include "game/enemies/Enemy.h"

/// The mothership: a giant pod that sinks to the middle of the field and fires rings of
/// bolts, denser with every crack. Each time a hit would empty its hit points it cracks
/// instead (once per hit): it is refilled, drops an atom and lets out rings of zelbins;
/// after the sixth crack it roams and fires aimed bursts, and the next emptying destroys it,
/// paying the players in the game for their lives and missiles unless a fighter was lost in
/// the wave. In some systems it leaves early, untouchable, and pays nothing for itself.
class MotherPod : public Enemy {
    VEK_REGISTERED_CLASS()

    enum State : int32_t { DESCENDING = 1, HOLDING = 2, LEAVING = 3 };
    static constexpr int32_t LAST_CRACK = 6;
    static constexpr int32_t HIT_POINTS = 10000;    ///< before the first crack
    static constexpr int32_t REFILL_STEP = 5000;    ///< a crack refills (stage + 2) times this
    static constexpr int32_t HIT_REWARD = 100;      ///< paid to the hitting player per hit
    static constexpr int32_t LIFE_BONUS = 25000;    ///< per life of a player in the game
    static constexpr int32_t MISSILE_BONUS = 10000; ///< per missile of such a player

    /// Above the middle of the field, sinking at once, with its suspense theme.
    MotherPod();

    /// Flies, fires what its crack stage fires on this frame, then trails its path.
    void frameUpdate() override;
    /// Down: holds its place; a roaming point reached: the next; up and away: gone.
    void onStepDone() override;
    /// Pushed up by its cracks, pays the hit, cracks when the hit would empty it (leaving in
    /// the systems where it does not stay), then the damage.
    void takeDamage(int32_t amount, int killer) override;
    /// The survivors' bonus, a blast of smoke and sparks, then its points (it drops nothing).
    void die(int killer) override;
    /// The enemy's part and the crack stage.
    void addToDigest(GameDigest& digest) const override;

    int32_t crackStage = 0; ///< 0 to LAST_CRACK; the frame it shows

  protected:
    void onStateChange() override;

  private:
    void roam();
    void fireRing(int bolts) const;
    void fireAimed() const;
    void crack();
    void releaseRings() const;
    /// Whether this system sends the pod away at its current crack stage.
    bool isLeavingNow() const;
    void payLivesAndMissiles() const;
};
