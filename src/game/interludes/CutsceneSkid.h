#pragma once
#include "game/interludes/Cutscene.h"

/// Before the fifth system: the ship races up the road, comes back down, skids round a bend
/// and drives off to the right.
class CutsceneSkid : public Cutscene {
    VEK_REGISTERED_CLASS()

    static constexpr double SKID = 3.0; ///< scene seconds

    CutsceneSkid();
    void renderScene() override;
};
