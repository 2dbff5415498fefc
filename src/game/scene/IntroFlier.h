#pragma once
#include <cstdint>
#include "game/scene/SpriteActor.h"

class SurfaceChain;

/// A zelbin of the intro crossing the screen sideways with flapping fins: the frame swings
/// between 0 and 7 and back, twice as often while flapping fast. Faster fliers use the
/// larger, nearer pictures.
class IntroFlier : public SpriteActor {
    VEK_REGISTERED_CLASS()

    IntroFlier() = default;
    /// `speed` in units per frame, negative to the left; takes two draws of the generator
    /// (start frame, then flap direction).
    IntroFlier(double x, double y, double speed);

    void frameUpdate() override;

    double speed = 0.0;
    int32_t firstFrame = 0;
    int32_t lastFrame = 7;
    int32_t frame = 0;
    int32_t flapDirection = 1; ///< +1 or -1
    bool bFastFlap = false;
    SurfaceChain* chain = nullptr; ///< not owned

  private:
    void flap();
};
