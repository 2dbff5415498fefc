#pragma once
#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>
#include "GlyphPageSupport.h"
#include "GraphicsTestSupport.h"
#include "media/FontGDI.h"
#include "media/FontQuad.h"
#include "media/Texture.h"
#include "media/TextureSkin.h"

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
