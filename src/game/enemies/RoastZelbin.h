#pragma once
#include "game/enemies/BouncingFood.h"

/// A whole roast zelbin, heavy and slow to fall: much food and the appetite bonus.
class RoastZelbin : public BouncingFood {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t POINTS = 10000;
    static constexpr int32_t FOOD = 10;

    /// At (x, y); two draws: direction, speed.
    RoastZelbin(double x, double y);

    void frameUpdate() override;
    void collect(Fighter& fighter) override;
};
