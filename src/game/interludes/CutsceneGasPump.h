#pragma once
#include "game/interludes/Cutscene.h"

/// Before the fourth system: the ship rolls up to a fuel pump, its engine dies, it waits and pays, and drives on.
class CutsceneGasPump : public Cutscene {
    VEK_REGISTERED_CLASS()

    CutsceneGasPump();
    void renderScene() override;
};
