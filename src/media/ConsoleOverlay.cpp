#include "media/ConsoleOverlay.h"
#include <algorithm>
#include "core/Format.h"
#include "media/FontGDI.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"

namespace {

constexpr float MARGIN = 4.f; // screen pixels from the corner

void drawTexture(VekGraphics& graphics, const Texture& texture, float left, float top, float unitsPerPixel,
                 uint32_t colour) {
    const float right = left + static_cast<float>(texture.getWidth()) * unitsPerPixel;
    const float bottom = top - static_cast<float>(texture.getHeight()) * unitsPerPixel;
    graphics.drawQuad(&texture,
                      {VekGraphics::QuadCorner{{left, top, 0.f}, 0.f, 0.f, colour},
                       VekGraphics::QuadCorner{{right, top, 0.f}, 1.f, 0.f, colour},
                       VekGraphics::QuadCorner{{right, bottom, 0.f}, 1.f, 1.f, colour},
                       VekGraphics::QuadCorner{{left, bottom, 0.f}, 0.f, 1.f, colour}},
                      platform::BlendMode::Alpha);
}

} // namespace

std::vector<WideString> ConsoleOverlay::composeLines(const Status& status,
                                                     const std::deque<WideString>& console) {
    std::vector<WideString> lines;
    if (status.debugLevel > 0) {
        lines.push_back(stringf(u"%.1f fps", status.frameRate));
        WideString phases;
        for (std::size_t i = 0; i < status.totalTimes.size(); ++i) {
            const double average = status.frames > 0 ? status.totalTimes[i] * 1000.0 / status.frames : 0.0;
            phases += stringf(u"%s%s %.2f", i == 0 ? u"" : u"  ", Vek::PHASE_NAMES[i], average);
        }
        lines.push_back(phases + u" ms");
    }
    if (status.bDevelopment) {
        const std::size_t shown = std::min(console.size(), CONSOLE_LINES);
        lines.insert(lines.end(), console.end() - static_cast<std::ptrdiff_t>(shown), console.end());
    }
    return lines;
}

void ConsoleOverlay::draw(VekGraphics& graphics, const std::vector<WideString>& lines) {
    if (lines.empty() || graphics.viewportWidth <= 0) return;
    const float unitsPerPixel =
        static_cast<float>(graphics.screenWidth) / static_cast<float>(graphics.viewportWidth);
    const float left = -0.5f * static_cast<float>(graphics.screenWidth) + MARGIN * unitsPerPixel;
    float top = 0.5f * static_cast<float>(graphics.screenHeight) - MARGIN * unitsPerPixel;
    const float lineStep = static_cast<float>(font.getLineHeight()) * unitsPerPixel;
    for (const WideString& line : lines) {
        if (const Texture* texture = font.textureOf(line)) {
            drawTexture(graphics, *texture, left + unitsPerPixel, top - unitsPerPixel, unitsPerPixel,
                        SHADOW_COLOUR);
            drawTexture(graphics, *texture, left, top, unitsPerPixel, TEXT_COLOUR);
        }
        top -= lineStep;
    }
}
