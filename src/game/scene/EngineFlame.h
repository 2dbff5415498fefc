#pragma once
#include <cstdint>
#include "game/scene/SpriteActor.h"

/// The flame behind a ship's engine: its level (0 idle to 5 full thrust) eases one step per
/// frame towards the level the owner sets, and it flickers between two frames. On afterburner
/// it burns at full thrust and, at full graphics detail, trails smoke into the effects of the
/// scene it flies in (the running game's or a cutscene's own; none outside a scene). The
/// owner places it and sets its level every frame.
class EngineFlame : public SpriteActor {
    VEK_REGISTERED_CLASS()

    static constexpr int32_t AFTERBURNER_LEVEL = 5;

    void frameUpdate() override;

    int32_t targetLevel = 0;
    int32_t currentLevel = 0;
    int32_t frameStride = 1; ///< frames between the two flicker frames of a level
    bool bVisible = true;
    bool bAfterburner = false;

  private:
    void trailSmoke();
};
