#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/MemoryImageFile.h"

namespace platform {
class FontRasterizer;
enum class Typeface;
} // namespace platform
class Texture;

/// A TrueType font for texts that any character may hold (player names): DejaVu Sans for
/// Latin, Noto Sans CJK for Japanese and Korean, each character from the first typeface that
/// has it. Main thread only.
class FontGDI : public VekBase {
    VEK_REGISTERED_CLASS()

    /// `pixelSize` is the em height in pixels.
    explicit FontGDI(int pixelSize, bool bBold = false);
    ~FontGDI() override;

    /// The text as white pixels whose alpha is the glyph coverage, one line of
    /// `getLineHeight()` pixels; 0 pixels wide when the text is empty or nothing could be
    /// rasterised.
    MemoryImageFile rasterize(WideStringView text) const;
    /// The width `rasterize` gives.
    int measure(WideStringView text) const;
    /// The rasterised text as a texture on the running graphics device, kept for the
    /// MAX_TEXTURES texts drawn most recently; null for a text without pixels.
    const Texture* textureOf(WideStringView text);

    static constexpr std::size_t MAX_TEXTURES = 32;

    int getPixelSize() const { return pixelSize; }
    /// Height of a line in pixels, in the typeface that the current language prefers.
    int getLineHeight() const;
    /// False when no typeface could be opened (texts then have no width).
    bool isReady() const;
    /// True when some typeface draws the code point (the preferred one only goes first).
    bool hasGlyph(char32_t codePoint) const;

  private:
    struct TextTexture {
        WideString text;
        std::unique_ptr<Texture> pTexture;
        uint64_t lastUse = 0;
    };

    platform::Typeface preferredTypeface() const;

    std::unique_ptr<platform::FontRasterizer> pRasterizer;
    int pixelSize;
    bool bBold;
    std::vector<TextTexture> textures;
    uint64_t useCount = 0;
    int texturesLanguage = -1; // the language the textures were made in (its typeface)
};
