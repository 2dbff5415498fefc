#pragma once
#include "game/interludes/Cutscene.h"

class FlappingSaucer;

/// Before the eighth system: as the ship waits on the road a flying saucer swoops in, skids
/// to a halt, honks and speeds off again, its motor heard from where it flies.
class CutsceneSaucerDrive : public Cutscene {
    VEK_REGISTERED_CLASS()

    static constexpr double ARRIVES = 3.0; ///< scene seconds
    static constexpr double BRAKES = 5.0;
    static constexpr double HONKS = 5.5;
    static constexpr double LEAVES = 7.5;
    static constexpr double START_SPEED = 5.0;    ///< units per frame
    static constexpr double ACCELERATION = 0.2;   ///< units per frame, every frame after LEAVES

    CutsceneSaucerDrive();
    void renderScene() override;

    FlappingSaucer* saucer; ///< a child
    double saucerSpeed = START_SPEED;
};
