#pragma once
#include "core/WideString.h"
#include "menus/TimedRenderable.h"

class FontQuad;

/// A text on the menus that can wait, show for a while, fade in and out and then leave.
class Label : public TimedRenderable {
  public:
    Label(float x, float y, float z, WideStringView labelText, FontQuad* labelFont, uint32_t colour);

    /// Only while shown: after the delay and before the end of the duration.
    void render() override;
    /// Narrows the label (never widens it) so that its text fits `maximum` units.
    void fitWidth(int maximum);

    int textFlags = 5;
    FontQuad* font;
    WideString text;
    bool hasShadow = false;
};
