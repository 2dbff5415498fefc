#include "media/FontCache.h"
#include <gtest/gtest.h>
#include "FontTestSupport.h"
#include "core/Format.h"

namespace {

// Draws each text once in a frame of its own.
void drawTexts(FontFixture& f, std::initializer_list<const char16_t*> texts, int flags = 0) {
    f.screen.graphics->beginScene();
    for (const char16_t* text : texts)
        f.font.drawText(text, 0.f, 0.f, 0.f, 0xFFFFFFFF, flags);
    f.screen.graphics->endScene();
}

struct CachedFont : FontFixture {
    CachedFont() {
        font.bCacheFlag = true;
        font.createFontCache();
        cache().clock = [this] { return now; };
    }
    FontCache& cache() { return *font.getFontCache(); }
    double now = 0.0;
};

} // namespace

TEST(FontCache, HoldsTextsOfFourOrMoreCharactersThatFitAPageUnlessAskedNotTo) {
    CachedFont f;
    drawTexts(f, {u"Hello", u"Hello"});
    EXPECT_EQ(f.cache().size(), 1u);
    drawTexts(f, {u"Hi", u"abc"});  // shorter texts draw glyph by glyph
    drawTexts(f, {u"Not this one"}, FontQuad::TEXT_NOCACHE);
    drawTexts(f, {u"Name"}, FontQuad::TEXT_SYSTEMFONT);
    drawTexts(f, {WideString(200, u'W').c_str()});  // larger than a page
    EXPECT_EQ(f.cache().size(), 1u);
    drawTexts(f, {u"Another"});
    EXPECT_EQ(f.cache().size(), 2u);
    EXPECT_EQ(f.cache().getPageCount(), 1);
    f.screen.graphics->restartDevice();  // a device restart empties the cache
    drawTexts(f, {u"After it"});
    EXPECT_EQ(f.cache().size(), 1u);

    FontFixture uncached;
    uncached.font.bUseFontCache = false;
    uncached.font.createFontCache();
    EXPECT_EQ(uncached.font.getFontCache(), nullptr);
}

TEST(FontCache, DropsTextsNotDrawnForTheirMaximumAge) {
    CachedFont f;
    drawTexts(f, {u"Early text"});
    f.now = FontCache::MAX_AGE / 2;
    drawTexts(f, {u"Middle text"});
    f.now = FontCache::MAX_AGE + 1.0;
    drawTexts(f, {u"Late text"});  // the look for old texts runs before this one is added
    EXPECT_EQ(f.cache().size(), 2u);
    f.now = 3 * FontCache::MAX_AGE;
    drawTexts(f, {u"Last text"});
    EXPECT_EQ(f.cache().size(), 1u);
}

TEST(FontCache, AFullCacheEmptiesThePageUsedLeastRecently) {
    CachedFont f;
    const std::size_t count = 900;  // more than four pages hold
    for (std::size_t i = 0; i < count; ++i) {
        f.now += 0.001;
        drawTexts(f, {stringf(u"Text number %d", static_cast<int>(i)).c_str()});
    }
    EXPECT_EQ(f.cache().getPageCount(), FontCache::MAX_PAGES);
    EXPECT_LT(f.cache().size(), count);
    const std::size_t held = f.cache().size();
    drawTexts(f, {u"Text number 899"});  // the newest is still there
    EXPECT_EQ(f.cache().size(), held);
}
