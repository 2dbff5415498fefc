#pragma once
#include <cstdint>
#include "core/VekBase.h"
#include "media/Renderable.h"

class Texture;

/// One frame of a game picture as a sprite frame: drawn at half its pixel size in the 640 by
/// 480 world (y downwards), placed by its hot spot, shown for `frameTime` rendered frames
/// before `next`. Holds no per-actor state, so many actors can show the same frame.
class Surface : public VekBase {
  public:
    /// Frame `frameIndex` (below the texture's frame count) of `texture`, which must outlive it.
    /// The frame's skin is moved to draw from its top-left corner, so a skin is wrapped once.
    Surface(Texture* texture, int frameIndex);

    /// Hot spot by a keypad code 0..9 (0 and 7 top left, 5 centre, 3 bottom right).
    void setAnchor(int code);
    /// The bounding circle when the hot spot stands at (x, y), world units.
    void getBoundingCircle(double x, double y, double& cx, double& cy, double& r) const;
    /// Draws the frame now with its hot spot at world point (x, y).
    void setScreenPosition(double x, double y);

    Surface* next;     ///< shown after this one; itself for a still, null to end
    int32_t width = 0; ///< world units
    int32_t height = 0;
    int32_t hotspotX = 0; ///< from the top-left corner, y downwards
    int32_t hotspotY = 0;
    int32_t frameTime = 1; ///< rendered frames
    double radiusFactor = 1.0;
    Renderable renderable;
};
