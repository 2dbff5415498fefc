#pragma once
#include "game/player/Weapon.h"

/// The laser: beams straight up that strike the nearest enemy above at once.
class WeaponLaser : public Weapon {
    VEK_REGISTERED_CLASS()

    static constexpr double INTERVAL = 37.0 / 300.0;

    explicit WeaponLaser(int player);

  protected:
    PlayerShot* makeShot(const ShotPattern& shot, double x, double y) const override;
};
