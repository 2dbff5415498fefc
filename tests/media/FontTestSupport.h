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
    explicit FontFixture(int width = 640, int height = 480, bool letterbox = true) : screen(width, height, letterbox) {
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
