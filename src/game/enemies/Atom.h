#pragma once
#include "game/enemies/FallingPickup.h"

/// A glowing atom: the player's current weapon gains a power level.
class Atom : public FallingPickup {
    VEK_REGISTERED_CLASS()

    /// At (x, y), falling 2 to 5 units per frame (one draw). A `limited` atom is not for a
    /// player whose power is already half the star system's number or more.
    Atom(bool limited, double x, double y);

    /// Raises the power and bursts, or passes the player by (limited, strong enough).
    void collect(Fighter& fighter) override;

    bool bLimited;
};
