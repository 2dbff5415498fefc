#pragma once
#include "game/scene/SpriteActor.h"

class Fighter;

/// Base of the items that enemies drop into the running game's item list and the fighters
/// collect on contact.
class Pickup : public SpriteActor {
    VEK_REGISTERED_CLASS()

    static constexpr double TEAM_TIME = 0.25;     ///< seconds between the two players' pick-ups
    static constexpr double TEAM_DISTANCE = 64.0; ///< the fighters were farther apart this wave
    static constexpr int32_t TEAM_POINTS = 25000;
    /// A pick-up time that no later pick-up comes near: both players' times after a team bonus.
    static constexpr double NO_PICKUP = -1.0e9;
    static constexpr double FLOOR = 460.0; ///< y where dropped food and coins land

    /// `fighter` touched the item: the kind's effect, ending in `collectPickup`.
    virtual void collect(Fighter& fighter) = 0;

    bool bTeamEligible = false; ///< counts for the team-play bonus

  protected:
    Pickup() = default;
    /// The end of every collect: the item goes and the player's pick-up time is noted. An item
    /// that counts, picked while both play within TEAM_TIME of the partner's last one in a
    /// wave in which the fighters were more than TEAM_DISTANCE apart, pays both players the
    /// team-play bonus. Both times are then forgotten, so a third pick-up makes no new pair.
    void collectPickup(Fighter& fighter);
    /// A bubble bursts where the item was, in the running game's effects.
    void burstBubble() const;
};
