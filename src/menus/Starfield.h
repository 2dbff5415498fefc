#pragma once
#include <cmath>
#include "core/Rect.h"
#include "media/Renderable.h"

/// The menu background: one star tile ("starfield:0") repeated over everything the current
/// camera sees.
class Starfield : public Renderable {
  public:
    Starfield();
    void render() override;

    /// The tile positions (bottom-left corners) that cover `visible` with tiles of w by h,
    /// from the floor multiples below its left and bottom edges; none for an empty tile.
    template <class Visit> static void forEachTile(const Rect& visible, float w, float h, Visit visit) {
        if (!(w > 0.f) || !(h > 0.f)) return;
        const float x0 = std::floor(visible.left / w) * w;
        const float y0 = std::floor(visible.bottom / h) * h;
        for (float y = y0; y < visible.top; y += h)
            for (float x = x0; x < visible.right; x += w)
                visit(x, y);
    }
};
