#pragma once
#include <memory>
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/MemoryImageFile.h"

namespace platform {
class FontRasterizer;
enum class Typeface;
} // namespace platform

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
    /// The width `rasterize` gives, without drawing.
    int measure(WideStringView text) const;

    int getPixelSize() const { return pixelSize; }
    /// Height of a line in pixels, in the typeface that the current language prefers.
    int getLineHeight() const;
    /// False when no typeface could be opened (texts then have no width).
    bool isReady() const;

  private:
    platform::Typeface preferredTypeface() const;

    std::unique_ptr<platform::FontRasterizer> pRasterizer;
    int pixelSize;
    bool bBold;
};
