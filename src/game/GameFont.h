#pragma once
#include <cstdint>
#include <limits>
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/Vector.h"

class FontQuad;

/// One of the game's fonts, drawing texts at world positions with one font pixel on one
/// display pixel, whatever the display's size.
class GameFont : public VekBase {
  public:
    explicit GameFont(FontQuad* gameFont) : font(gameFont) {}

    /// Draws `text` at world point (x, y) (y downwards) in the ARGB colour; `flags` are the
    /// font's (4 centres the text on the point, 8 ends it there, 16 centres it vertically). A
    /// text wider than `maxWidth` world units is squeezed sideways to that width.
    void drawText(int flags, uint32_t colour, double x, double y, WideStringView text,
                  double maxWidth = std::numeric_limits<double>::infinity());

    /// The horizontal scale that fits a text `width` wide into `room` (same units): 1 when it
    /// fits, else what squeezes it to the room.
    static float squeezeToFit(float width, float room);

    /// The world point in the centred, y-up screen frame, snapped to whole display pixels of a
    /// display `displayWidth` by `displayHeight` pixels; z is 0.
    static Vector3 snapToPixels(double x, double y, int displayWidth, int displayHeight);

    FontQuad* font; ///< not owned
};
