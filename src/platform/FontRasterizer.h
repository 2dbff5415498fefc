#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

/// The installed typefaces: DejaVu Sans for Latin and the Noto Sans CJK collection (face 0
/// Japanese, face 1 Korean).
enum class Typeface { Latin = 0, Japanese = 1, Korean = 2 };

/// One glyph's coverage (0..255 a pixel, top row first) and its placement on the pen line.
struct GlyphBitmap {
    int width = 0, height = 0;
    int left = 0;  // from the pen to the bitmap's left edge
    int top = 0;   // from the baseline up to the bitmap's top edge
    int advance = 0;
    std::vector<uint8_t> coverage;
};

/// A line of text rasterised: coverage top row first, with the baseline `ascent` pixels down.
struct TextBitmap {
    int width = 0, height = 0;
    int ascent = 0;
    std::vector<uint8_t> coverage;
};

/// TrueType rasterising through FreeType. A character the preferred typeface lacks is taken
/// from the next one that has it (preferred, Latin, Japanese, Korean). Main thread only.
class FontRasterizer {
public:
    FontRasterizer();
    ~FontRasterizer();
    FontRasterizer(const FontRasterizer&) = delete;
    FontRasterizer& operator=(const FontRasterizer&) = delete;

    /// False when no typeface could be opened; everything then rasterises to nothing.
    bool isReady() const;
    std::optional<GlyphBitmap> rasterizeGlyph(char32_t codePoint, int pixelSize, bool bBold, Typeface preferred);
    TextBitmap rasterizeText(std::u32string_view text, int pixelSize, bool bBold, Typeface preferred);
    /// True when some typeface holds a glyph for the code point.
    bool hasGlyph(char32_t codePoint) const;

private:
    struct Library;
    std::unique_ptr<Library> pLibrary;
};

}  // namespace platform
