#pragma once
#include "game/player/Weapon.h"

/// The crystal gun: accelerating crystals in a fan that widens with power.
class WeaponDefault : public Weapon {
    VEK_REGISTERED_CLASS()

    static constexpr double INTERVAL = 47.0 / 300.0;

    explicit WeaponDefault(int player);

  protected:
    PlayerShot* makeShot(const ShotPattern& shot, double x, double y) const override;
};
