#include "core/Format.h"
#include <gtest/gtest.h>

TEST(Format, ConvertsEachKind) {
    EXPECT_EQ(stringf(u"%s(): %s", u"Loader::tick", WideString(u"step 3")), u"Loader::tick(): step 3");
    EXPECT_EQ(stringf(u"%d|%i|%u", -42, 7, 3000000000u), u"-42|7|3000000000");
    EXPECT_EQ(stringf(u"%x %X %#x", 255, 0xABCu, 16), u"ff ABC 0x10");
    EXPECT_EQ(stringf(u"%x", -1), u"ffffffff");  // an int keeps its 32-bit pattern
    EXPECT_EQ(stringf(u"%c%c", u'\u00e9', 65), u"\u00e9A");
    EXPECT_EQ(stringf(u"%f %.2lf %.0f", 1.5, 3.14159, 2.5), u"1.500000 3.14 2");
    EXPECT_EQ(stringf(u"100%%"), u"100%");
    EXPECT_EQ(stringf(u"%lld", static_cast<long long>(-9000000000)), u"-9000000000");
}

TEST(Format, WidthPrecisionAndFlags) {
    EXPECT_EQ(stringf(u"[%5d][%-5d][%05d][%+d]", 42, 42, -42, 42), u"[   42][42   ][-0042][+42]");
    EXPECT_EQ(stringf(u"[%.3d][%8.3f][%.2s]", 7, 2.0, u"abc"), u"[007][   2.000][ab]");
    EXPECT_EQ(stringf(u"[%6s][%-6s]", u"ab", u"ab"), u"[    ab][ab    ]");
    EXPECT_EQ(stringf(u"%08.3f", -1.5), u"-001.500");
}

TEST(Format, FailuresGiveThePlaceholderText) {
    const WideString failed = u"<XXX>";
    EXPECT_EQ(stringf(u"%d", u"text"), failed);          // text where a number is wanted
    EXPECT_EQ(stringf(u"%s", 12), failed);              // number where text is wanted
    EXPECT_EQ(stringf(u"%d", 1.5), failed);             // real where an integer is wanted
    EXPECT_EQ(stringf(u"%f", 3), failed);               // integer where a real is wanted
    EXPECT_EQ(stringf(u"%d %d", 1), failed);            // too few arguments
    EXPECT_EQ(stringf(u"%q", 1), failed);               // unknown conversion
    EXPECT_EQ(stringf(u"ends with %"), failed);         // dangling percent
    EXPECT_EQ(stringf(u"%s", static_cast<const char16_t*>(nullptr)), failed);
    EXPECT_EQ(stringf(u"%d", 5, 6), u"5");              // extra arguments are ignored, as printf does
}

TEST(Format, ResultsAtTheBufferLimitFail) {
    const WideString justFits(FORMAT_BUFFER_UNITS - 1, u'a');
    EXPECT_EQ(stringf(u"%s", justFits).size(), FORMAT_BUFFER_UNITS - 1);
    EXPECT_EQ(stringf(u"%s!", justFits), u"<XXX>");
    EXPECT_EQ(stringf(u"%70000d", 1), u"<XXX>");
}

TEST(Format, FormatIntoReplacesAndMayReadItsDestination) {
    WideString text = u"old contents";
    EXPECT_TRUE(formatInto(text, u"%s and more", text));
    EXPECT_EQ(text, u"old contents and more");
    EXPECT_FALSE(formatInto(text, u"%d"));
    EXPECT_EQ(text, u"<XXX>");
}
