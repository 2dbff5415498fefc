#pragma once
#include "core/WideString.h"
#include "media/Renderable.h"

class FontQuad;

/// A text on the menus that can wait, show for a while, fade in and out and then leave.
class Label : public Renderable {
  public:
    Label(float x, float y, float z, WideStringView labelText, FontQuad* labelFont, uint32_t colour);

    void tick(double t, double dt) override;
    /// Only while shown: after the delay and before the end of the duration.
    void render() override;
    /// Narrows the label (never widens it) so that its text fits `maximum` units.
    void fitWidth(int maximum);

    double delay = 0.0;
    double duration = 999999.0;
    double fadeIn = 0.0;
    double fadeOut = 0.0;
    int textFlags = 5;
    FontQuad* font;
    WideString text;
    double age = 0.0;
    bool removeWhenDone = false;
    bool hasShadow = false;
};
