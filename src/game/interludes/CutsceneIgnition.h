#pragma once
#include "game/interludes/Cutscene.h"

/// Before the seventh system: the engine starts on a snowy road and the ship races off.
class CutsceneIgnition : public Cutscene {
    VEK_REGISTERED_CLASS()

    CutsceneIgnition();
    void renderScene() override;
};
