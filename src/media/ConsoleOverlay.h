#pragma once
#include <deque>
#include <vector>
#include "core/Vek.h"
#include "core/WideString.h"

class FontGDI;
class VekGraphics;

/// The text drawn over every frame, in the top-left corner of the screen, one screen pixel
/// per font pixel: with a debug level above 0 the frame rate and the average time of each
/// frame phase, and in development mode the newest lines of the engine console.
class ConsoleOverlay {
  public:
    static constexpr int FONT_SIZE = 12;            ///< pixels, of the engine's default font
    static constexpr std::size_t CONSOLE_LINES = 8; ///< the newest console lines shown
    static constexpr uint32_t TEXT_COLOUR = 0xFFFFFFFF;
    static constexpr uint32_t SHADOW_COLOUR = 0xC0000000;

    /// What the overlay shows.
    struct Status {
        bool bDevelopment = false;
        int debugLevel = 0;
        double frameRate = 0.0;       ///< frames per second
        Vek::PhaseTimes totalTimes{}; ///< seconds per phase over `frames` frames
        int frames = 0;
    };

    explicit ConsoleOverlay(FontGDI& font) : font(font) {}

    /// The lines to show, top first; none in a release run with debug level 0.
    static std::vector<WideString> composeLines(const Status& status, const std::deque<WideString>& console);
    /// Draws the lines (in the screen's view, between the scene's beginning and end).
    void draw(VekGraphics& graphics, const std::vector<WideString>& lines);

  private:
    FontGDI& font;
};
