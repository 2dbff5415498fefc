#include "platform/MessageBox.h"
#include <gtest/gtest.h>

namespace {

struct TextCase {
    const char* name;
    std::string text;
    std::string expected;
};

}  // namespace

TEST(MessageBox, LongLinesAreBrokenWhereAReaderExpects) {
    const TextCase cases[] = {
        {"short", "Saved.", "Saved."},
        {"exactly the length", "0123456789", "0123456789"},
        {"at the last blank that fits", "aaaa bbbb cccc", "aaaa bbbb\ncccc"},
        {"after a slash", "/home/ida/data/x", "/home/\nida/data/x"},
        {"a blank at the very start", " abcdefghijk", " abcdefghi\njk"},
        {"nowhere to break", "abcdefghijklmnopqrstu", "abcdefghij\nklmnopqrs\ntu"},
        {"not inside a character", "abcdefghi\xc3\xa9z", "abcdefghi\n\xc3\xa9z"},
        {"each line alone", "aaaa bbbb cccc\nshort\naaaa bbbb cccc",
         "aaaa bbbb\ncccc\nshort\naaaa bbbb\ncccc"},
        {"empty lines kept", "a\n\nb\n", "a\n\nb\n"},
        {"bytes that are not UTF-8", std::string(12, '\x80'), std::string(10, '\x80') + "\n\x80\x80"},
        {"the widest letters count two", std::string(12, 'W'), "WWWWW\nWWWWW\nWW"},
        {"capitals count one and a half", "ABCDEFGHKL", "ABCDEF\nGHKL"},
        {"ideographs count two", "\u65e5\u672c\u8a9e\u306e\u30d5\u30a1\u30a4\u30eb",
         "\u65e5\u672c\u8a9e\u306e\u30d5\n\u30a1\u30a4\u30eb"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(platform::breakLongLines(c.text, 10), c.expected) << c.name;
}

TEST(MessageBox, ATallTextKeepsItsStartAndEnd) {
    const TextCase cases[] = {
        {"as many lines as fit", "1\n2\n3\n4\n5", "1\n2\n3\n4\n5"},
        {"one line too many", "1\n2\n3\n4\n5\n6", "1\n2\n...\n5\n6"},
        {"counted after breaking", "aaaa bbbb cccc dddd eeee ffff", "aaaa\nbbbb\n...\neeee\nffff"},
        {"a trailing line break counts", "1\n2\n3\n4\n5\n", "1\n2\n...\n5\n"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(platform::fitLines(c.text, 5, 5), c.expected) << c.name;
}

TEST(MessageBox, NoBoxWithoutAScreenSoHeadlessRunsNeverWait) {
    // The tests run on the offscreen driver, before any window opened.
    EXPECT_FALSE(platform::showErrorBox("Error", "Nobody reads this."));
}
