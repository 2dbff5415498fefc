#include "media/FontGDI.h"
#include <gtest/gtest.h>

TEST(FontGDI, RasterisesLatinJapaneseAndKoreanAsWhiteCoverageWiderAtALargerSize) {
    FontGDI font(16), large(20, true);
    EXPECT_EQ(font.rasterize(u"").width, 0);
    EXPECT_EQ(font.measure(u""), 0);
    if (!font.isReady()) GTEST_SKIP() << "no typeface installed";
    const int lineHeight = font.getLineHeight();
    EXPECT_GT(lineHeight, 14);
    for (const char16_t* name : {u"Ava", u"ユキ", u"민수", u"Jo日"}) {
        const MemoryImageFile image = font.rasterize(name);
        EXPECT_GT(image.width, 8) << "name of " << std::u16string_view(name).size() << " units";
        EXPECT_EQ(image.height, lineHeight);
        EXPECT_EQ(font.measure(name), image.width);
        uint32_t strongest = 0;
        for (uint32_t pixel : image.pixels) {
            EXPECT_EQ(pixel & 0x00FFFFFFu, 0x00FFFFFFu);
            strongest = std::max(strongest, pixel >> 24);
        }
        EXPECT_GT(strongest, 200u);  // glyphs were drawn, not left empty
        EXPECT_GT(large.measure(name), font.measure(name));
    }
}
