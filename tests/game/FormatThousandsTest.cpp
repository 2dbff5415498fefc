#include "game/FormatThousands.h"
#include <climits>
#include <gtest/gtest.h>
#include "core/Language.h"
#include "core/StringUtil.h"

TEST(FormatThousands, GroupsDigitsWithAnySeparator) {
    struct Case {
        int value;
        const char16_t* separator;
        const char16_t* expected;
    };
    const Case cases[] = {
        {0, u",", u"0"},
        {999, u",", u"999"},
        {1000, u",", u"1,000"},
        {123456, u",", u"123,456"},
        {1234567, u",", u"1,234,567"},
        {INT_MAX, u",", u"2,147,483,647"},
        // The minus sign is no digit: it neither starts a group nor gets a separator after it.
        {-1, u",", u"-1"},
        {-100, u",", u"-100"},
        {-999, u",", u"-999"},
        {-1000, u",", u"-1,000"},
        {-123456, u",", u"-123,456"},
        {INT_MIN, u",", u"-2,147,483,648"},
        // Separators of several units, and none.
        {1234567, u"''", u"1''234''567"},
        {-1234567, u"\U0001F600", u"-1\U0001F600234\U0001F600567"},
        {1234567, u"", u"1234567"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatThousands(c.value, c.separator), c.expected) << c.value << " " << toUtf8(c.separator);
}

TEST(FormatThousands, UsesTheCurrentLanguagesSeparator) {
    Language language;
    const std::pair<int, const char16_t*> rows[] = {{0, u"1,234,567"}, {1, u"1 234 567"}, {4, u"1.234.567"}};
    for (const auto& [row, expected] : rows) {
        language.setLanguage(row);
        EXPECT_EQ(formatThousands(1234567, language), expected) << row;
    }
}
