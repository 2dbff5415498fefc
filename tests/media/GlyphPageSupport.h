#pragma once
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <vector>
#include "media/FontGDI.h"
#include "media/MemoryImageFile.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"

/// A glyph page made in code for tests and benchmarks: one frame per character of `characters`, in order, each as
/// wide as the character and a whole line high. Characters come from the TrueType font; the
/// icon units below U+0020 are solid boxes of a width that tells them apart (8 + unit % 4).
inline MemoryImageFile drawGlyph(const FontGDI& ttf, char16_t character) {
    const int lineHeight = ttf.getLineHeight();
    if (character < 0x20) {
        MemoryImageFile box(8 + character % 4, lineHeight);
        box.bHasAlpha = true;
        for (int y = 0; y < lineHeight; ++y)
            for (int x = 0; x < box.width; ++x)
                box.at(x, y) = x > 0 && y > lineHeight / 4 && y < lineHeight - 3 ? 0xFFFFFFFF : 0x00FFFFFF;
        return box;
    }
    MemoryImageFile glyph = ttf.rasterize(std::u16string_view(&character, 1));
    if (glyph.width > 0) return glyph;
    MemoryImageFile blank(std::max(1, ttf.getPixelSize() / 3), lineHeight); // a blank has no pixels
    blank.bHasAlpha = true;
    std::fill(blank.pixels.begin(), blank.pixels.end(), 0x00FFFFFFu);
    return blank;
}

inline std::unique_ptr<Texture> makeGlyphPage(VekGraphics& graphics, std::u16string_view characters,
                                              int pixelSize) {
    const FontGDI ttf(pixelSize);
    std::vector<MemoryImageFile> glyphs;
    int width = 0;
    for (char16_t character : characters) {
        glyphs.push_back(drawGlyph(ttf, character));
        width += glyphs.back().width;
    }
    MemoryImageFile page(width, ttf.getLineHeight());
    page.bHasAlpha = true;
    std::vector<Texture::Frame> frames;
    int left = 0;
    for (const MemoryImageFile& glyph : glyphs) {
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x)
                page.at(left + x, y) = glyph.at(x, y);
        frames.push_back({Rect{static_cast<float>(left), 0.f, static_cast<float>(left + glyph.width),
                               static_cast<float>(glyph.height)},
                          Vector3{}});
        left += glyph.width;
    }
    return std::make_unique<Texture>(graphics, std::move(page), frames, Texture::TEXTURE_POINT_SAMPLED);
}

/// Printable ASCII from U+0020 to U+007E, in code order.
inline std::u16string printableAscii() {
    std::u16string out;
    for (char16_t c = 0x20; c < 0x7F; ++c)
        out.push_back(c);
    return out;
}

