#include <gtest/gtest.h>
#include <fstream>
#include "FontTestSupport.h"
#include "TempDataHome.h"
#include "core/MemoryFile.h"
#include "core/ResourceManager.h"
#include "core/StringUtil.h"
#include "media/CodePointTable.h"
#include "media/FontCache.h"
#include "media/Renderable.h"
#include "media/TextLine.h"

namespace {

constexpr uint32_t BACKGROUND = 0xFF203048;
constexpr uint32_t WHITE = 0xFFFFFFFF;

void drawMarker(VekGraphics& graphics, float x, float y) {
    auto at = [&](float dx, float dy) {
        return VekGraphics::QuadCorner{{x + dx, y + dy, 0.f}, 0.f, 0.f, 0xFFFF3030};
    };
    graphics.drawQuad(static_cast<const Texture*>(nullptr), {at(-1, 1), at(1, 1), at(1, -1), at(-1, -1)},
                      platform::BlendMode::Opaque);
}

// Draws the lines of a wrapped text from (x, y) downwards, each segment in its colour.
void drawWrapped(FontQuad& font, WideStringView text, float x, float y, float width, int extraFlags) {
    const auto measure = [&](WideStringView plain) { return font.measureText(plain, 0).width; };
    const float lineHeight = static_cast<float>(font.getLineHeight());
    for (const TextLine& line : TextLine::wrap(text, width, lineHeight, measure, false)) {
        float left = x;
        for (const TextSegment& segment : line.segments) {
            const uint32_t colour = segment.bColoured ? 0xFF000000u | segment.rgb : WHITE;
            font.drawText(segment.text, left, y - line.y, 0.f, colour, FontQuad::TEXT_LEFT | extraFlags);
            left += segment.width;
        }
    }
}

// Alignment and placement around red markers, a shadowed text, a wrapped text with a colour
// code and a bar, the icon units, and a text at twice the size.
void drawLatinScene(FontFixture& f, int extraFlags) {
    VekGraphics& graphics = *f.screen.graphics;
    graphics.beginScene();
    graphics.clear(BACKGROUND);
    const int horizontal[] = {FontQuad::TEXT_LEFT, FontQuad::TEXT_CENTRE, FontQuad::TEXT_RIGHT};
    const int vertical[] = {FontQuad::TEXT_TOP, FontQuad::TEXT_MIDDLE, FontQuad::TEXT_BOTTOM, 0};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const float x = -200.f + 200.f * static_cast<float>(column);
            const float y = 200.f - 40.f * static_cast<float>(row);
            f.font.drawText(u"Align", x, y, 0.f, WHITE, horizontal[column] | vertical[row] | extraFlags);
            drawMarker(graphics, x, y);
        }
    }
    Renderable shadowed;
    shadowed.position = {-300.f, 20.f, 0.f};
    shadowed.color = 0xFFFFE040;
    shadowed.updateTransform();
    f.font.renderTextShadowed(shadowed, u"Shadowed text", extraFlags, {2.f, -2.f, 0.f}, 0xFF000000);
    drawWrapped(f.font, u"The quick brown fox jumps ^FF8040over the lazy^FFFFFF dog.|A bar ends a line.",
                20.f, 20.f, 220.f, extraFlags);
    f.font.drawText(u"\x02  Quit    \x09  Back    Next  \x0A", -300.f, -100.f, 0.f, 0xFF80FF80, extraFlags);
    Renderable big;
    big.position = {0.f, -170.f, 0.f};
    big.scale = {2.f, 2.f, 1.f};
    big.color = 0xFF80C0FF;
    big.updateTransform();
    f.font.renderText(big, u"Twice the size", FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE | extraFlags);
    graphics.endScene();
}

std::filesystem::path writeTable(const std::filesystem::path& folder, const char* name,
                                 const CodePointTable& table) {
    const std::vector<uint8_t> bytes = table.encode();
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A font of one code-point-table page holding exactly the characters of `characters`.
struct TableFont {
    TableFont(VekGraphics& graphics, const std::filesystem::path& folder, const char* codePage,
              std::u16string_view characters)
        : table(
              fromUtf8(writeTable(folder, "table.bin",
                                  CodePointTable(std::vector<uint16_t>(characters.begin(), characters.end())))
                           .string())),
          page(makeGlyphPage(graphics, characters, PIXEL_SIZE)) {
        resources.addResource(fromUtf8(codePage) + u".codepointLUT", &table);
        resources.addResource(u"cjkTex1", page.get());
        font.addSourceTextures(u"cjkTex", resources, fromUtf8(codePage));
    }
    MemoryFile table;
    std::unique_ptr<Texture> page;
    ResourceManager resources;
    FontQuad font;
};

} // namespace

TEST(FontGolden, LatinAlignedShadowedAndWrapped) {
    FontFixture f;
    drawLatinScene(f, 0);
    EXPECT_TRUE(matchesGolden(f.screen.capture(), "font-latin"));
}

TEST(FontGolden, TheCacheDrawsExactlyWhatTheGlyphsDraw) {
    FontFixture f;
    drawLatinScene(f, FontQuad::TEXT_NOCACHE);
    const MemoryImageFile direct = f.screen.capture();
    f.font.bCacheFlag = true; // pages cleared to transparent white: glyph edges blend as drawn directly
    f.font.createFontCache();
    for (int pass = 0; pass < 2; ++pass) { // first filling the cache, then drawing from it
        drawLatinScene(f, 0);
        EXPECT_TRUE(matchesImage(f.screen.capture(), direct, 2)) << "pass " << pass;
    }
    EXPECT_GT(f.font.getFontCache()->size(), 5u);
}

TEST(FontGolden, ShadowsOnlyWithTheDetailFlag) {
    FontFixture f;
    Renderable placement;
    placement.position = {0.f, 0.f, 0.f};
    placement.updateTransform();
    auto draw = [&](bool bShadowed) {
        f.screen.graphics->beginScene();
        f.screen.graphics->clear(BACKGROUND);
        if (bShadowed)
            f.font.renderTextShadowed(placement, u"Detail", 0, {3.f, -3.f, 0.f}, 0xFF000000);
        else
            f.font.renderText(placement, u"Detail", 0);
        f.screen.graphics->endScene();
        return f.screen.capture();
    };
    const MemoryImageFile plain = draw(false);
    EXPECT_FALSE(matchesImage(draw(true), plain, 0));
    f.screen.graphics->bDetail = false;
    EXPECT_TRUE(matchesImage(draw(true), plain, 0));
}

TEST(FontGolden, JapaneseAndKoreanThroughCodePointTables) {
    TempDataHome home;
    FontFixture f;
    const std::u16string japanese = u"日本語のテキストを表示します。";
    const std::u16string korean = u"한국어 글꼴 시험입니다";
    TableFont ja(*f.screen.graphics, home.path(), "Japanese", japanese);
    TableFont ko(*f.screen.graphics, home.path(), "Korean", korean);
    VekGraphics& graphics = *f.screen.graphics;
    graphics.beginScene();
    graphics.clear(BACKGROUND);
    ja.font.drawText(japanese, 0.f, 150.f, 0.f, WHITE, FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE);
    drawWrapped(ja.font, japanese, -280.f, 90.f, 120.f, 0); // no blanks: broken between characters
    ko.font.drawText(korean, 300.f, -60.f, 0.f, 0xFFFFC080, FontQuad::TEXT_RIGHT | FontQuad::TEXT_BOTTOM);
    drawWrapped(ko.font, korean, 20.f, 90.f, 110.f, 0);
    graphics.endScene();
    EXPECT_TRUE(matchesGolden(f.screen.capture(), "font-cjk"));
}

TEST(FontGolden, SystemFontDrawsANameWithCjkCharacters) {
    FontFixture f;
    if (f.font.measureText(u"A", FontQuad::TEXT_SYSTEMFONT).width == 0.f)
        GTEST_SKIP() << "no typeface installed";
    VekGraphics& graphics = *f.screen.graphics;
    graphics.beginScene();
    graphics.clear(BACKGROUND);
    const int flags = FontQuad::TEXT_SYSTEMFONT | FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE;
    f.font.drawText(u"Ava日本", 0.f, 60.f, 0.f, WHITE, flags);
    f.font.drawText(u"민수_", 0.f, 0.f, 0.f, 0xFFFFD060, flags);
    f.font.drawText(u"Zoë", 0.f, -60.f, 0.f, 0xFF80FF80, flags);
    graphics.endScene();
    EXPECT_TRUE(matchesGolden(f.screen.capture(), "font-systemfont"));
}
