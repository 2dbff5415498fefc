#pragma once
#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>
#include "GraphicsTestSupport.h"
#include "media/FontGDI.h"
#include "media/FontQuad.h"
#include "media/Texture.h"
#include "media/TextureSkin.h"

/// A glyph page made by the test: one frame per character of `characters`, in order, each as
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

constexpr int PIXEL_SIZE = 14;
inline const std::u16string ICONS = u"\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C\x0D";

/// A screen and a font of the test's own: ASCII from U+0020 and the icon units from U+0001
/// as its two pages.
struct FontFixture {
    explicit FontFixture(int width = 640, int height = 480) : screen(width, height) {
        latin = makeGlyphPage(*screen.graphics, printableAscii(), PIXEL_SIZE);
        icons = makeGlyphPage(*screen.graphics, ICONS, PIXEL_SIZE);
        font.addSourceTexture(icons.get(), 1, false);
        font.addSourceTexture(latin.get(), 32, false);
    }
    float latinWidth(char16_t c) const { return latin->skins[c - 32]->width; }
    float iconWidth(char16_t c) const { return icons->skins[c - 1]->width; }

    GraphicsFixture screen;
    std::unique_ptr<Texture> latin;
    std::unique_ptr<Texture> icons;
    FontQuad font;
};

/// True when both pictures have the same size and every colour channel is within `tolerance`.
inline ::testing::AssertionResult matchesImage(const MemoryImageFile& image, const MemoryImageFile& expected,
                                               int tolerance) {
    if (image.width != expected.width || image.height != expected.height)
        return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            for (int shift : {0, 8, 16}) {
                const int a = static_cast<int>((image.at(x, y) >> shift) & 0xFF);
                const int b = static_cast<int>((expected.at(x, y) >> shift) & 0xFF);
                if (std::abs(a - b) > tolerance)
                    return ::testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") is " << std::hex << image.at(x, y)
                           << ", expected " << expected.at(x, y);
            }
        }
    }
    return ::testing::AssertionSuccess();
}
