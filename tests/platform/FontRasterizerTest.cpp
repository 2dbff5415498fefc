#include "platform/FontRasterizer.h"
#include <gtest/gtest.h>

using platform::FontRasterizer;
using platform::Typeface;

namespace {

int inkedPixels(const std::vector<uint8_t>& coverage) {
    int count = 0;
    for (uint8_t c : coverage) count += c > 128;
    return count;
}

}  // namespace

TEST(FontRasterizer, DrawsEveryScriptWithFallbackOnOneBaselineAndBoldInksMore) {
    FontRasterizer fonts;
    ASSERT_TRUE(fonts.isReady());
    for (char32_t cp : {U'A', U'\u0141', U'\u65e5', U'\uD55C', U'\u30B8'}) {
        auto glyph = fonts.rasterizeGlyph(cp, 24, false, Typeface::Latin);
        ASSERT_TRUE(glyph) << static_cast<uint32_t>(cp);
        EXPECT_GT(inkedPixels(glyph->coverage), 10) << static_cast<uint32_t>(cp);
        EXPECT_GT(glyph->advance, 0);
    }
    EXPECT_TRUE(fonts.hasGlyph(U'\uD55C'));
    EXPECT_FALSE(fonts.hasGlyph(U'\U000E0100'));  // a variation selector no face draws
    EXPECT_FALSE(fonts.rasterizeGlyph(U'A', 0, false, Typeface::Latin));

    const platform::TextBitmap name = fonts.rasterizeText(U"Zo\u00eb \u65e5\u672c", 20, false, Typeface::Latin);
    EXPECT_GT(name.width, 40);
    EXPECT_GT(name.height, 18);
    EXPECT_GT(name.ascent, 10);
    ASSERT_EQ(name.coverage.size(), static_cast<std::size_t>(name.width) * name.height);
    EXPECT_GT(inkedPixels(name.coverage), 60);
    const platform::TextBitmap bold = fonts.rasterizeText(U"Zo\u00eb", 20, true, Typeface::Latin);
    const platform::TextBitmap regular = fonts.rasterizeText(U"Zo\u00eb", 20, false, Typeface::Latin);
    EXPECT_GT(inkedPixels(bold.coverage), inkedPixels(regular.coverage));
    EXPECT_EQ(fonts.rasterizeText(U"", 20, false, Typeface::Korean).width, 0);
}
