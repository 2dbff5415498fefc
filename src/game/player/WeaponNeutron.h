#pragma once
#include "game/player/Weapon.h"

/// The neutron gun: fast zigzag bolts, fewer but heavier than the crystals.
class WeaponNeutron : public Weapon {
    VEK_REGISTERED_CLASS()

    static constexpr double INTERVAL = 0.19;

    explicit WeaponNeutron(int player);

  protected:
    PlayerShot* makeShot(const ShotPattern& shot, double x, double y) const override;
};
