#include "media/TextLine.h"
#include <gtest/gtest.h>

namespace {

// Every unit 10 wide, a blank 4, an icon unit below U+0020 12.
float measure(WideStringView text) {
    float width = 0.f;
    for (char16_t unit : text)
        width += unit == u' ' ? 4.f : unit < 0x20 ? 12.f : 10.f;
    return width;
}

std::vector<WideString> lineTexts(const std::vector<TextLine>& lines) {
    std::vector<WideString> out;
    for (const TextLine& line : lines) {
        WideString text;
        for (const TextSegment& segment : line.segments)
            text += segment.text;
        out.push_back(text);
    }
    return out;
}

} // namespace

TEST(TextLine, WrapsAtBlanksAndBars) {
    struct Case {
        const char16_t* text;
        float width;
        std::vector<WideString> lines;
    };
    const Case cases[] = {
        {u"", 100.f, {u""}},
        {u"short", 100.f, {u"short"}},
        {u"aaaa bbbb cccc", 100.f, {u"aaaa bbbb", u"cccc"}}, // 94 fits, 138 does not
        {u"aaaa bbbb cccc", 0.f, {u"aaaa bbbb cccc"}},       // no width: no wrapping
        {u"aaaa  bbbb", 40.f, {u"aaaa", u"bbbb"}},           // the blanks at a wrap go
        {u"one|two", 1000.f, {u"one", u"two"}},              // a bar ends the line, unseen
        {u"one|", 1000.f, {u"one", u""}},
        {u"a|b|c", 1000.f, {u"a", u"b", u"c"}},
        {u"Next  \x000A", 1000.f, {u"Next  \x000A"}}, // U+000A is a glyph
        {u"\x0009  Back", 1000.f, {u"\x0009  Back"}},
        {u"abcdefghij", 35.f, {u"abc", u"def", u"gh", u"ij"}}, // an overlong word is broken evenly
        {u"日本語のテキスト", 50.f, {u"日本語の", u"テキスト"}},
        {u" lead", 1000.f, {u" lead"}}, // leading blank of a text stays
        {u"x ^FF0000red^00FF00green", 1000.f, {u"x redgreen"}},
        {u"not ^colour", 1000.f, {u"not ^colour"}}, // not six hex digits
    };
    for (const Case& c : cases) {
        const std::vector<TextLine> lines = TextLine::wrap(c.text, c.width, 16.f, measure, false);
        EXPECT_EQ(lineTexts(lines), c.lines) << "text of " << std::u16string_view(c.text).size() << " units";
        for (const TextLine& line : lines)
            EXPECT_TRUE(c.width <= 0.f || line.width <= c.width);
    }
}

TEST(TextLine, LinesStandOneLineHeightApartAndColourCodesSplitSegmentsAcrossWrapsAndBars) {
    const std::vector<TextLine> lines = TextLine::wrap(u"ab^ff8000cd^00FF00 ef gggg|\x0002  Q", 70.f, 18.f, measure, false);
    ASSERT_EQ(lines.size(), 3u);
    const std::vector<TextSegment>& segments = lines[0].segments;
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].text, u"ab");
    EXPECT_FALSE(segments[0].bColoured);
    EXPECT_EQ(segments[1].text, u"cd");
    EXPECT_TRUE(segments[1].bColoured);
    EXPECT_EQ(segments[1].rgb, 0xFF8000u);
    EXPECT_EQ(segments[2].text, u" ef");
    EXPECT_FLOAT_EQ(segments[2].width, 24.f);
    EXPECT_FLOAT_EQ(lines[0].width, 64.f);
    // The colour carries over the wrap and the bar.
    for (const TextLine& line : {lines[1], lines[2]}) {
        EXPECT_TRUE(line.segments.at(0).bColoured);
        EXPECT_EQ(line.segments[0].rgb, 0x00FF00u);
    }
    EXPECT_FLOAT_EQ(lines[1].y, 18.f);
    EXPECT_FLOAT_EQ(lines[2].y, 36.f);
    EXPECT_FLOAT_EQ(lines[2].width, 12.f + 8.f + 10.f);
}

TEST(TextLine, RightToLeftReversesCharactersAndSegmentsAndPlainTextDropsTheMarkup) {
    const std::vector<TextLine> lines = TextLine::wrap(u"ab^FF0000cd|x\U0001F600y", 0.f, 10.f, measure, true);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines[0].segments.size(), 2u);
    EXPECT_EQ(lines[0].segments[0].text, u"dc");
    EXPECT_TRUE(lines[0].segments[0].bColoured);
    EXPECT_EQ(lines[0].segments[1].text, u"ba");
    EXPECT_EQ(lineTexts(lines)[1], u"y\U0001F600x");  // a surrogate pair keeps its order
    EXPECT_EQ(TextLine::plainText(u"a|b^123456c^zz"), u"abc^zz");
}

TEST(TextLine, BreaksAnyRunWiderThanTheLineAtTheWidthKeepingEveryCharacter) {
    const WideString megabyte(1 << 20, u'W');
    WideString smileys;
    for (int i = 0; i < 100000; ++i)
        smileys += u"\U0001F600";
    struct Case {
        const char* name;
        WideString text;
        float width;
        std::size_t lineCount;
        float characterWidth;
    };
    const Case cases[] = {
        {"a megabyte without a blank", megabyte, 630.f, 16645, 10.f}, // 63 or 62 to a line
        {"the same between two words", u"ab " + megabyte + u" cd", 630.f, 16647, 10.f},
        {"surrogate pairs, one to a line", smileys, 35.f, 100000, 20.f},
        {"icons each wider than the line", WideString(1000, u'\x0001'), 5.f, 1000, 12.f},
    };
    const auto withoutBlanks = [](WideString text) {
        std::erase(text, u' ');
        return text;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<TextLine> lines = TextLine::wrap(c.text, c.width, 16.f, measure, false);
        ASSERT_EQ(lines.size(), c.lineCount);
        WideString joined;
        float narrowest = c.width;
        float widest = 0.f;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const WideString text = lineTexts({lines[i]}).front();
            joined += text;
            ASSERT_TRUE(lines[i].width <= c.width || lines[i].width == c.characterWidth) << "line " << i;
            ASSERT_FALSE(text.back() >= 0xD800 && text.back() <= 0xDBFF) << "line " << i;
            if (i > 0 && i + 1 < lines.size()) {
                narrowest = std::min(narrowest, lines[i].width);
                widest = std::max(widest, lines[i].width);
            }
        }
        EXPECT_EQ(joined.size(), withoutBlanks(c.text).size());
        EXPECT_TRUE(withoutBlanks(joined) == withoutBlanks(c.text));
        EXPECT_LE(widest - narrowest, c.characterWidth); // the pieces between are alike
    }
}

TEST(TextLine, CutsToTheWidestStartOfWholeCharactersThatFits) {
    const std::u16string pair = u"\U0001F600", half = u"\xD83D"; // each unit 10 wide
    struct Case {
        std::u16string text;
        float width;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"short", 100.f, u"short"},
        {u"abcd", 40.f, u"abcd"}, // exactly as wide
        {u"abcdefghij", 35.f, u"abc"},
        {u"a" + pair + u"b", 25.f, u"a"}, // never half a pair
        {u"a" + pair + u"b", 30.f, u"a" + pair},
        {u"a" + half + u"bc", 20.f, u"a" + half}, // a lone half is a character of its own
        {u"abc", 5.f, u""},
        {u"", 0.f, u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextLine::cutToWidth(c.text, c.width, measure), c.expected) << "width " << c.width;
}
