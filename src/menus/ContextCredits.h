#pragma once
#include "core/Context.h"
#include "core/WideString.h"
#include "media/Vector.h"

class FontQuad;
class Label;

/// The credits text, rising slowly from the bottom of the screen: each line fades in above
/// the bottom edge, fades out below the top edge and is removed once it has left.
class ContextCredits : public Context {
  public:
    static constexpr float LINE_STEP = 1.15f;      // of the font's line height
    static constexpr float FADE_IN_START = 32.f;   // above the bottom edge: still invisible
    static constexpr float FADE_IN_END = 160.f;    // above the bottom edge: fully visible
    static constexpr float FADE_OUT_START = 128.f; // below the top edge: still fully visible
    static constexpr float GONE_ABOVE = 64.f;      // above the top edge: removed

    ContextCredits();

    /// The title, the subtitle, the maker's notice and the credit lines, from the bottom up.
    void buildText();
    /// Moves every line, fades it by where it is and removes those that have left.
    void tickContents(double t, double dt) override;

    /// The opacity (0..255) of a line at height `y` between the visible edges `bottom` and `top`.
    static int opacityAt(float y, float bottom, float top);

    VekBase* lines;                   ///< child; holds the labels
    Vector3 velocity{0.f, 20.f, 0.f}; ///< units per second
    float nextY;

  private:
    void addTitleLine(WideStringView text);
    void addTwoColumnLine(WideStringView left, WideStringView right);
    void layOutTwoColumns(WideStringView left, WideStringView right, float z, uint32_t colour);
    Label* addLabel(WideStringView text, float x, float z, uint32_t colour, FontQuad* font, int flags);
};
