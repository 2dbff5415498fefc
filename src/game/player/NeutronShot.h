#pragma once
#include "game/player/PlayerShot.h"

/// A zigzag bolt of the neutron gun at a steady 14 units per frame; bigger bolts from
/// pattern damage 200 and 400.
class NeutronShot : public PlayerShot {
    VEK_REGISTERED_CLASS()

    static constexpr double SPEED = 14.0;

    /// Deals trunc(n x 1.25) / (difficulty + 1).
    NeutronShot(int player, int32_t n, double startX, double startY, double heading);

  protected:
    void move() override;
};
