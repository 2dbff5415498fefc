#pragma once
#include "game/interludes/Cutscene.h"

class FlappingSaucer;

/// Before the second system: the ship waits at a traffic light that turns, and as it sets
/// off a flying saucer races past with its motor sweeping from left to right.
class CutsceneTrafficLight : public Cutscene {
    VEK_REGISTERED_CLASS()

    static constexpr double RACE_START = 7.0; ///< scene seconds
    static constexpr double SAUCER_SPEED = 5.0;
    static constexpr double SAUCER_GONE = 670.0; ///< x beyond the right edge

    CutsceneTrafficLight();
    void renderScene() override;

    FlappingSaucer* saucer; ///< a child
};
