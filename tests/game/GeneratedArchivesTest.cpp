// The loader over the archives that the build generated (tools/make-assets): every resource
// of every step comes into being, in a language of each code page, with sounds decoded.
#include <gtest/gtest.h>
#include "GeneratedGame.h"
#include "core/Language.h"
#include "media/FontQuad.h"

#ifdef VEK_ASSETS_DIR

TEST(GeneratedArchives, LoadEveryResourceInALanguageOfEachCodePage) {
    struct Case {
        int language;
        const char16_t* sample;  // a text the fonts must measure
    };
    const Case cases[] = {{0, u"Start your Engines!"}, {7, u"Zażółć gęślą jaźń"}, {5, u"日本語"}, {6, u"한국어"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        GeneratedGame g(c.language);
        ASSERT_TRUE(g.finished);
        for (const LoaderResource& row : loaderResourceTable()) EXPECT_NE(g.find(row.name), nullptr) << toUtf8(row.name);
        // The frame counts the game's code relies on.
        EXPECT_EQ(g.frames(u"bmp_zelbin360"), 256);
        EXPECT_EQ(g.frames(u"bmp_sparc"), 128);
        EXPECT_EQ(g.frames(u"bmp_snowflake"), 30);
        EXPECT_EQ(g.frames(u"bmp_planets"), 11);
        EXPECT_EQ(g.frames(u"bmp_shield"), 11);
        EXPECT_EQ(g.frames(u"bmp_fighter_0"), 9);
        EXPECT_EQ(g.frames(u"bmp_smoke"), 20);
        EXPECT_EQ(g.frames(u"bmp_laser"), 3);
        EXPECT_EQ(g.frames(u"languageFlags"), 15);
        EXPECT_EQ(g.frames(u"gui-game-progressBar"), 2);
        EXPECT_GE(g.frames(u"hud"), 4);
        // The pages as the bitmap font reads them through the language's code page.
        const WideString codePage = g.engine.vek->getLanguage().getString(STR_LANGUAGECODEPAGE);
        for (const char16_t* pages : {u"fontSmallTex", u"fontMediumTex", u"fontLargeTex"}) {
            FontQuad font;
            font.addSourceTextures(pages, g.engine.vek->getResourceManager(), codePage);
            for (const char16_t unit : std::u16string_view(c.sample))
                EXPECT_TRUE(unit == u' ' || font.hasGlyph(unit)) << toUtf8(pages) << " lacks U+" << std::hex << int(unit);
            EXPECT_GT(font.measureText(c.sample, 0).width, 10.f) << toUtf8(pages);
        }
    }
}

#endif
