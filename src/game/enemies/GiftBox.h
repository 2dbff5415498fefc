#pragma once
#include "game/enemies/FallingPickup.h"

/// A wrapped gift in one of three colours: the player switches to the weapon of its colour
/// (the current one gains a power level instead) and earns the weapon bonus.
class GiftBox : public FallingPickup {
    VEK_REGISTERED_CLASS()

    static constexpr int KINDS = 3;
    static constexpr int32_t POINTS_PER_SYSTEM = 2000;

    /// Gift `kind` (0 to 2: the weapon it gives) at (x, y), falling 2 to 6 units per frame
    /// (one draw).
    GiftBox(int kind, double x, double y);

    void collect(Fighter& fighter) override;

    int32_t kind;
};
