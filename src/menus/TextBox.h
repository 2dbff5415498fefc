#pragma once
#include "media/Renderable.h"

class Label;

/// A block of text wrapped to a width: one `Label` per coloured run of each line, all timed
/// and faded like the template they were made from.
class TextBox : public Renderable {
  public:
    /// Wraps the template's text to `wrapWidth` units and places the block at the template's
    /// position, aligned by its text flags (4 centre, 8 right; 0x10 middle, 0x20 bottom).
    TextBox(const Label& templateLabel, int wrapWidth);

    /// Ticks the labels; with `removeWhenEmpty`, leaves once they have all gone.
    void tick(double t, double dt) override;

    float width = 0.f;
    float height = 0.f;
    bool removeWhenEmpty;
};
