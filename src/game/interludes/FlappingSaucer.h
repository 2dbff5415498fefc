#pragma once
#include "game/enemies/Flapping.h"
#include "game/scene/SpriteActor.h"

/// The flying saucer of the road interludes as a prop: it flaps through its frames and
/// back, and its script moves it.
class FlappingSaucer : public SpriteActor {
    VEK_REGISTERED_CLASS()

    FlappingSaucer() = default;
    /// At (x, y) on a random frame, flapping either way; two draws of the generator.
    FlappingSaucer(double x, double y);

    /// One flapping step, then the frame.
    void frameUpdate() override;

    Flapping flapping;
};
