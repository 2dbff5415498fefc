#pragma once
#include "core/StringKeys.h"
#include "core/WideString.h"
#include "game/scene/SpriteActor.h"

class GameFont;

/// A line of text at a world point, centred and white, shown after a delay for a while. Its
/// times run at the scene clock's rate: given in scene seconds, they are kept in engine
/// seconds (x 1 / 1.2) and count down by the engine's tick step.
class TextActor : public SpriteActor {
    VEK_REGISTERED_CLASS()

    static constexpr double SCENE_TO_ENGINE = 0.8333333333333334;

    TextActor() = default;
    /// The text of `stringId` in the current language; `delay` and `duration` in scene seconds.
    TextActor(StringId stringId, GameFont* font, double x, double y, double delay, double duration);

    void frameUpdate() override;

    StringId stringId = 0;
    GameFont* font = nullptr; ///< not owned
    double delay = 0.0;       ///< engine seconds before the text shows
    double duration = 0.0;    ///< engine seconds it shows
    WideString text;          ///< shown instead of the string id's text when not empty
};
