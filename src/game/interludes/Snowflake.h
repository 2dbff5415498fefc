#pragma once
#include <cstdint>
#include "game/scene/SpriteActor.h"

class ObjectGroup;

/// A snowflake drifting down the scenes between the star systems: it sways around its own
/// column and falls, wrapping from the bottom to the top, and keeps within one screen width of
/// the camera however far the camera moves. Larger kinds fall faster and sway wider.
class Snowflake : public SpriteActor {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t KINDS = 3;
    static constexpr int32_t FRAMES_PER_KIND = 10;
    static constexpr int SNOWFALL = 125;

    Snowflake() = default;
    /// A flake of `kind` (0 to 2) somewhere on the screen; five draws of the generator.
    explicit Snowflake(int32_t kind);

    /// The snow of a scene: SNOWFALL flakes, each of a kind drawn from the generator.
    static ObjectGroup* createSnowfall();

    void frameUpdate() override;
    /// Class name, position and phase.
    void addToDigest(GameDigest& digest) const override;

    double baseX = 0.0; ///< the column the flake sways around
    double phase = 0.0; ///< radians
    double fallSpeed = 0.0;
    int32_t kind = 0;
};
