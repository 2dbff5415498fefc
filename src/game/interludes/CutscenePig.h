#pragma once
#include "game/interludes/Cutscene.h"

class SpriteActor;

/// Before the third system: a warning sign, and as the ship climbs a pig drops from the sky
/// across its way; the ship swerves with screeching tyres and a horn.
class CutscenePig : public Cutscene {
    VEK_REGISTERED_CLASS()

    static constexpr double PIG_FALLS = 5.5; ///< scene seconds
    static constexpr double SWERVE = 6.0;
    static constexpr double SKID_END = 6.25;
    static constexpr double HORN = 6.5;
    static constexpr double SIGH = 9.0;
    static constexpr double PIG_STEP = 4.0; ///< units per frame, right and down

    CutscenePig();
    void renderScene() override;

    SpriteActor* pig; ///< a child

  private:
    void swerve();
};
