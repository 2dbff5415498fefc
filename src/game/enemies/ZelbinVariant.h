#pragma once
#include "game/enemies/Zelbin.h"

/// A zelbin that turns angry at its first hit: faster, dropping pods four times as often and
/// flapping three times as fast, it makes off for a new point at once.
class ZelbinVariant : public Zelbin {
    VEK_REGISTERED_CLASS()

    static constexpr double ANGRY_SPEED = 5.0; ///< added to its flight speed
    static constexpr int32_t ANGRY_PODS = 4;   ///< times as many pods

    using Zelbin::Zelbin;

    /// Two extra flapping steps while angry, then the zelbin's frame.
    void frameUpdate() override;
    /// The first hit makes it angry; then the knock-back and the damage.
    void takeDamage(int32_t amount, int killer) override;

    bool bAngry = false;
};
