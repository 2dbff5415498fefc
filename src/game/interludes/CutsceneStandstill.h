#pragma once
#include "game/interludes/Cutscene.h"

/// Before the last system: the ship stands still beside a patrol car that calls to it, to no avail.
class CutsceneStandstill : public Cutscene {
    VEK_REGISTERED_CLASS()

    CutsceneStandstill();
    void renderScene() override;
};
