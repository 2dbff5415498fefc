#include "media/FontQuad.h"
#include <gtest/gtest.h>
#include <fstream>
#include "FontTestSupport.h"
#include "TempDataHome.h"
#include "core/MemoryFile.h"
#include "core/ResourceManager.h"
#include "core/StringUtil.h"
#include "media/CodePointTable.h"
#include "media/FontCache.h"
#include "media/TextLine.h"
#include "media/TextureSkin.h"

namespace {

std::filesystem::path writeFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

} // namespace

TEST(FontQuad, MeasuresGlyphsSpacingMissingGlyphsAndIcons) {
    FontFixture f;
    const float a = f.latinWidth(u'A') + 1.f, b = f.latinWidth(u'B') + 1.f, blank = f.latinWidth(u' ') + 1.f;
    struct Case {
        const char16_t* text;
        int missingAdvance;
        float width;
    };
    const Case cases[] = {
        {u"", 4, 0.f},
        {u"A", 4, a},
        {u"AB", 4, a + b},
        {u"A\u4E00B", 4, a + 4.f + b}, // no glyph: the missing-glyph advance
        {u"A\u4E00B", 16, a + 16.f + b},
        {u"\x02  A", 4, f.iconWidth(2) + 1.f + 2 * blank + a},  // icon units are glyphs
        {u"A  \x0A", 4, a + 2 * blank + f.iconWidth(10) + 1.f}, // U+000A too, no break
        {u"\x01\x03\x07\x08", 4, f.iconWidth(1) + f.iconWidth(3) + f.iconWidth(7) + f.iconWidth(8) + 4.f},
        {u"\x09  A", 4, f.iconWidth(9) + 1.f + 2 * blank + a}, // a tab set apart: the Back icon
        {u"A\t\t", 4, a + 2 * blank},                          // a tab in a word: white space
        {u"A\tB", 4, a + blank + b},
    };
    for (const Case& c : cases) {
        f.font.missingGlyphAdvance = c.missingAdvance;
        const TextExtent extent = f.font.measureText(c.text, 0);
        EXPECT_FLOAT_EQ(extent.width, c.width) << toUtf8(c.text);
        EXPECT_FLOAT_EQ(extent.height, static_cast<float>(f.font.getLineHeight()));
    }
    f.font.glyphSpacing = 3;
    EXPECT_FLOAT_EQ(f.font.measureText(u"AB", 0).width, a + b + 4.f);
}

TEST(FontQuad, AFirstCodeOf33LeavesTheBlankAndIconsMissing) {
    GraphicsFixture screen;
    const std::unique_ptr<Texture> page =
        makeGlyphPage(*screen.graphics, printableAscii().substr(1), PIXEL_SIZE);
    FontQuad tiny;
    tiny.missingGlyphAdvance = 3;
    tiny.addSourceTexture(page.get(), 33, false);
    EXPECT_FALSE(tiny.hasGlyph(u' '));
    EXPECT_FALSE(tiny.hasGlyph(0x02));
    EXPECT_TRUE(tiny.hasGlyph(u'!'));
    EXPECT_TRUE(tiny.hasGlyph(u'~'));
    EXPECT_FLOAT_EQ(tiny.measureText(u"! !", 0).width, 2 * (page->skins[0]->width + 1.f) + 3.f);
    // Continuing after the last added code.
    const std::unique_ptr<Texture> more = makeGlyphPage(*screen.graphics, u"\x7F\x80", PIXEL_SIZE);
    tiny.addSourceTexture(more.get(), FontQuad::CONTINUE_CODE, false);
    EXPECT_TRUE(tiny.hasGlyph(0x80));
}

TEST(FontQuad, PagesGoThroughTheCodePageTableUntilTheFirstMissingName) {
    TempDataHome home;
    GraphicsFixture screen;
    ResourceManager resources;
    const CodePointTable lut({u'日', u'本', CodePointTable::NO_CODE, u'語', u'テ', u'ス'});
    MemoryFile table(fromUtf8(writeFile(home.path() / "Japanese.codepointLUT.bin", lut.encode()).string()));
    resources.addResource(u"Japanese.codepointLUT", &table);
    const auto page1 = makeGlyphPage(*screen.graphics, u"日本", PIXEL_SIZE);
    const auto page2 = makeGlyphPage(*screen.graphics, u"X語", PIXEL_SIZE);
    const auto page4 = makeGlyphPage(*screen.graphics, u"A", PIXEL_SIZE); // after the gap: never added
    const auto extra1 = makeGlyphPage(*screen.graphics, u"テ", PIXEL_SIZE);
    resources.addResource(u"fontTestTex1", page1.get());
    resources.addResource(u"fontTestTex2", page2.get());
    resources.addResource(u"fontTestTex4", page4.get());
    resources.addResource(u"fontTestTexExtra1", extra1.get());
    FontQuad font;
    font.addSourceTextures(u"fontTestTex", resources, u"Japanese");
    for (char16_t present : {u'日', u'本', u'語', u'テ'})
        EXPECT_TRUE(font.hasGlyph(present)) << toUtf8(WideString(1, present));
    EXPECT_FALSE(font.hasGlyph(u'X')); // its slot is empty in the table
    EXPECT_FALSE(font.hasGlyph(u'A'));
    EXPECT_FALSE(font.hasGlyph(u'ス'));
    EXPECT_FLOAT_EQ(font.measureText(u"語", 0).width, page2->skins[1]->width + 1.f);
}

TEST(FontQuad, WindowsCodePagesMapTheSlotsOfThePages) {
    GraphicsFixture screen;
    ResourceManager resources;
    for (const char16_t* codePage : {u"1252", u"1250"}) {
        const CodePointTable table = *CodePointTable::forWindowsCodePage(codePage);
        std::u16string characters;
        for (int slot = 0; slot < 256; ++slot)
            characters.push_back(table.codeOf(slot) == CodePointTable::NO_CODE ? u' ' : table.codeOf(slot));
        const auto page = makeGlyphPage(*screen.graphics, characters, PIXEL_SIZE);
        ResourceManager pages;
        pages.addResource(u"fontTex1", page.get());
        FontQuad font;
        font.addSourceTextures(u"fontTex", pages, codePage);
        EXPECT_TRUE(font.hasGlyph(0x20AC)); // the euro sign at 0x80 in both
        EXPECT_TRUE(font.hasGlyph(0x02));
        EXPECT_FALSE(font.hasGlyph(0x81)); // undefined in both: its slot shows nothing
        const bool bPolish = WideStringView(codePage) == u"1250";
        EXPECT_EQ(font.hasGlyph(u'ą'), bPolish);
        EXPECT_EQ(font.hasGlyph(u'è'), !bPolish);
        EXPECT_FLOAT_EQ(font.measureText(u"é", 0).width, page->skins[0xE9]->width + 1.f);
    }
}

TEST(FontQuadDeathTest, ACodePageWithoutTableIsFatal) {
    TempDataHome home;
    GraphicsFixture screen;
    ResourceManager resources;
    FontQuad font;
    EXPECT_DEATH(font.addSourceTextures(u"fontTex", resources, u"Cyrillic"),
                 "No LUT for codepage 'Cyrillic'");
    MemoryFile broken(
        fromUtf8(writeFile(home.path() / "Korean.codepointLUT.bin", {'C', 'P', 'L', 'T', 9}).string()));
    resources.addResource(u"Korean.codepointLUT", &broken);
    EXPECT_DEATH(font.addSourceTextures(u"fontTex", resources, u"Korean"), "Bad code-point table");
}

TEST(FontQuad, CompositeLettersOnlyForCompositeLanguagesOfTheirCodePagesAndNeverOverAPagesOwn) {
    const std::tuple<const char16_t*, bool, bool> cases[] = {{u"1252", true, true},      {u"1252", false, false},
                                                             {u"1250", false, false},    {u"Japanese", true, false},
                                                             {u"1251", true, false}};
    for (const auto& [codePage, bComposite, bExpected] : cases) {
        FontFixture f;
        const auto acute = makeGlyphPage(*f.screen.graphics, u"´", PIXEL_SIZE);
        f.font.addSourceTexture(acute.get(), 0xB4, false);
        f.font.setupCompositeChars(codePage, bComposite);
        EXPECT_EQ(f.font.hasGlyph(u'é'), bExpected) << toUtf8(codePage);
        EXPECT_EQ(f.font.hasGlyph(u'Ó'), bExpected);
        EXPECT_EQ(f.font.hasGlyph(u'ñ'), bExpected);  // "~" is in the ASCII page
        EXPECT_FALSE(f.font.hasGlyph(u'ç'));          // no cedilla glyph
        EXPECT_TRUE(!bExpected || f.font.measureText(u"é", 0).width == f.font.measureText(u"e", 0).width);
    }
    FontFixture f;
    const auto own = makeGlyphPage(*f.screen.graphics, u"´é", PIXEL_SIZE);
    f.font.addSourceTexture(own.get(), 0xB4, false);
    f.font.addSourceTexture(own.get(), 0xE8, false);  // frame 1 lands on 0xE9
    f.font.setupCompositeChars(u"1252", true);
    EXPECT_FLOAT_EQ(f.font.measureText(u"é", 0).width, own->skins[1]->width + 1.f);
}

namespace {

// The box around the lit pixels of the viewport, in layout units (x from the left, y down).
Rect litBox(GraphicsFixture& screen) {
    const MemoryImageFile image = screen.capture();
    Rect box{1e9f, 1e9f, -1e9f, -1e9f};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if ((image.at(x, y) & 0xFF) < 0x80) continue;
            box = {std::min(box.left, float(x)), std::min(box.top, float(y)), std::max(box.right, float(x + 1)),
                   std::max(box.bottom, float(y + 1))};
        }
    }
    const float unitsPerPixel = float(screen.graphics->screenWidth) / float(screen.graphics->viewportWidth);
    return {box.left * unitsPerPixel, box.top * unitsPerPixel, box.right * unitsPerPixel,
            box.bottom * unitsPerPixel};
}

// Draws the text in white on black, left and top on the screen's centre, through the cache or
// glyph by glyph.
Rect drawnBox(FontFixture& f, WideStringView text, int flags) {
    VekGraphics& graphics = *f.screen.graphics;
    graphics.beginScene();
    graphics.clear(0xFF000000);
    f.font.drawText(text, 0.f, 0.f, 0.f, 0xFFFFFFFF, FontQuad::TEXT_LEFT | FontQuad::TEXT_TOP | flags);
    graphics.endScene();
    return litBox(f.screen);
}

} // namespace

TEST(FontQuad, DisplayScalingKeepsTextsTheirLayoutSizeAtEveryDisplaySize) {
    struct Display {
        int width;
        int height;
        bool bLetterbox;
        int rasterScale;
    };
    const Display displays[] = {{640, 480, true, 1},    {800, 600, true, 1},    {1024, 768, false, 1},
                                {1280, 960, true, 2},   {1280, 1024, false, 2}, {1920, 1080, true, 2},
                                {1920, 1080, false, 2}, {2560, 1920, true, 4}};
    const std::pair<const char16_t*, int> texts[] = {
        {u"Firing mode", 0}, {u"Firing mode", FontQuad::TEXT_NOCACHE}, {u"OK", 0}};
    std::vector<std::pair<TextExtent, Rect>> expected; // at 640 by 480, per text
    {
        FontFixture reference; // one graphics service at a time: each fixture in turn
        reference.font.bCacheFlag = true;
        reference.font.createFontCache();
        for (const auto& [text, flags] : texts)
            expected.emplace_back(reference.font.measureText(text, flags), drawnBox(reference, text, flags));
    }
    for (const Display& display : displays) {
        FontFixture f(display.width, display.height, display.bLetterbox);
        f.font.bCacheFlag = true;
        f.font.enableDisplayScaling();
        f.font.createFontCache();
        const std::string where = std::to_string(display.width) + "x" + std::to_string(display.height) +
                                  (display.bLetterbox ? " letterbox" : " stretched");
        EXPECT_EQ(f.font.getRasterScale(), display.rasterScale) << where;
        for (std::size_t i = 0; i < std::size(texts); ++i) {
            const auto& [text, flags] = texts[i];
            const TextExtent extent = f.font.measureText(text, flags);
            EXPECT_FLOAT_EQ(extent.width, expected[i].first.width) << where;
            EXPECT_FLOAT_EQ(extent.height, expected[i].first.height) << where;
            const Rect drawn = drawnBox(f, text, flags);
            const Rect& box = expected[i].second;
            const float unit = 1.01f; // a stroke may land a display pixel either way
            EXPECT_NEAR(drawn.right - drawn.left, box.right - box.left, unit) << where << " " << flags;
            EXPECT_NEAR(drawn.bottom - drawn.top, box.bottom - box.top, unit) << where << " " << flags;
        }
        EXPECT_EQ(f.font.getFontCache()->size(), 1u) << where; // the cached text is drawn from the cache
    }
    FontFixture plain(1280, 960);
    EXPECT_EQ(plain.font.getRasterScale(), 1); // without display scaling: one texel per font pixel
}

TEST(FontQuad, CanDrawWhatItsGlyphsOrTheSystemFontShow) {
    FontFixture f;
    struct Case {
        char32_t codePoint;
        bool bGlyphs, bSystemFont;
    };
    const Case cases[] = {
        {U'A', true, true},          {U'\u00E9', false, true}, // not on the test's ASCII page
        {U'\u65E5', false, true},    {U'\U0001F600', false, true}, // an emoji of DejaVu Sans
        {U'\U0001F680', false, false},                                // one of no typeface
        {U'\U000E0100', false, false}, {0xD800, false, false},
        {0x01, true, false}, // an icon of the pages, which no typeface has
    };
    for (const Case& c : cases) {
        EXPECT_EQ(f.font.canDraw(c.codePoint, 0), c.bGlyphs) << std::hex << static_cast<uint32_t>(c.codePoint);
        EXPECT_EQ(f.font.canDraw(c.codePoint, FontQuad::TEXT_SYSTEMFONT), c.bSystemFont)
            << std::hex << static_cast<uint32_t>(c.codePoint);
        if (c.codePoint < 0xD800 || c.codePoint > 0xDFFF) { // a lone half is drawn as U+FFFD
            std::u16string text;
            if (c.codePoint > 0xFFFF)
                text = {static_cast<char16_t>(0xD7C0 + (c.codePoint >> 10)),
                        static_cast<char16_t>(0xDC00 + (c.codePoint & 0x3FF))};
            else
                text = {static_cast<char16_t>(c.codePoint)};
            EXPECT_EQ(f.font.measureText(text, FontQuad::TEXT_SYSTEMFONT).width > 0.f, c.bSystemFont)
                << "what the system font draws, " << std::hex << static_cast<uint32_t>(c.codePoint);
        }
    }
}
