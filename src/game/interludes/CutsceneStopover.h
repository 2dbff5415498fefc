#pragma once
#include "game/interludes/Cutscene.h"

/// Before the sixth system: a stop by the road, and on.
class CutsceneStopover : public Cutscene {
    VEK_REGISTERED_CLASS()

    CutsceneStopover();
    void renderScene() override;
};
