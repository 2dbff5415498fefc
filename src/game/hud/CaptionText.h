#pragma once
#include <cstdint>
#include "core/WideString.h"
#include "game/hud/CaptionId.h"
#include "game/scene/GameObject.h"

class GameFont;

/// A centred line of white text across the field at a fixed height, shown for a while and
/// optionally blinking: the wave captions, the system captions and "Game Over!".
class CaptionText : public GameObject {
    VEK_REGISTERED_CLASS()

    CaptionText() = default;
    /// Empty, on the line at field height `lineY` in `textFont`.
    CaptionText(GameFont* textFont, int32_t lineY) : font(textFont), y(lineY) {}

    /// Shows `newText`, which says `newId`, for `seconds`; with `period` > 0 it shows for
    /// `period` frames and hides for as many (by the engine's frame count), else it stays.
    void setText(WideStringView newText, CaptionId newId, double seconds, int32_t period);
    /// The same with the text of `textId` in the current language.
    void setText(StringId textId, double seconds, int32_t period);
    /// Draws the text while its time lasts and counts the time down by the engine's step.
    void frameUpdate() override;
    /// What the text says (never its words) and the time left.
    void addToDigest(GameDigest& digest) const override;

    GameFont* font = nullptr; ///< not owned
    int32_t y = 0;
    WideString text;
    CaptionId id;           ///< what `text` says
    double timeLeft = 0.0;  ///< seconds
    int32_t blinkPeriod = 0; ///< frames; 0 = steady
};
