#include "core/StringUtil.h"
#include <gtest/gtest.h>
#include "core/FixedUtf8String.h"
#include "core/FunctionName.h"

TEST(Utf, RoundTripsEveryPlaneReplacesBadInputAndConsumesPairs) {
    const WideString text = u"A\u00e9\u65e5\U0001F600z";
    EXPECT_EQ(toUtf8(text), "A\xC3\xA9\xE6\x97\xA5\xF0\x9F\x98\x80z");
    EXPECT_EQ(fromUtf8(toUtf8(text)), text);
    const std::pair<std::string, WideString> bad[] = {
        {"\xC3", u"\uFFFD"},              // truncated sequence
        {"\xC0\xAF", u"\uFFFD"},          // overlong slash
        {"\xED\xA0\x80", u"\uFFFD"},      // encoded surrogate
        {"\xF4\x90\x80\x80", u"\uFFFD"},  // past U+10FFFF
        {"a\xFFz", u"a\uFFFDz"},
        {"\xE6\x97", u"\uFFFD\uFFFD"},
    };
    for (const auto& [in, want] : bad) EXPECT_EQ(fromUtf8(in), want) << in.size();
    EXPECT_EQ(toUtf8(WideString(u"x") + char16_t(0xD800)), "x\xEF\xBF\xBD");    // lone high half
    EXPECT_EQ(toUtf8(WideString(1, char16_t(0xDC00)) + u"y"), "\xEF\xBF\xBDy");  // lone low half
    const std::pair<WideString, char32_t> points[] = {
        {u"\U0001F600", U'\U0001F600'}, {WideString(1, char16_t(0xD800)), U'\xFFFD'}, {u"\u00e9", U'\u00e9'}};
    for (const auto& [in, want] : points) {
        std::size_t i = 0;
        EXPECT_EQ(nextCodePoint(in, i), want);
        EXPECT_EQ(i, in.size());
    }
}

TEST(Utf, FileNamesKeepTheirBytesAndShowBadOnesAsReplacements) {
    struct Case {
        std::string bytes;
        std::string shown;  // what the log and the screen get
    };
    const Case cases[] = {
        {"/home/caf\xE9/data", "/home/caf\xEF\xBF\xBD/data"},                   // Latin-1
        {"\xFF\xFE", "\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"caf\xC3\xA9 two words \xF0\x9F\x98\x80", "caf\xC3\xA9 two words \xF0\x9F\x98\x80"},  // valid
        {"\xED\xB2\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // an escape's own encoding
        {"\xC0\xAF|\xE6\x97|\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD|\xEF\xBF\xBD\xEF\xBF\xBD|"
                                                 "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\xEF\xBF\xBD", "\xEF\xBF\xBD"},  // a real U+FFFD stays one
        {"\xF0\x90\x82\x80\x80", "\xF0\x90\x82\x80\xEF\xBF\xBD"},  // U+10080 ends in the escapes' range
    };
    for (const Case& c : cases) {
        const WideString path = fromFileName(c.bytes);
        EXPECT_EQ(toFileName(path), c.bytes);
        EXPECT_EQ(toFileName(path + u"/x.log"), c.bytes + "/x.log");
        EXPECT_EQ(toUtf8(path), c.shown);
    }
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte) everyByte.push_back(static_cast<char>(byte));
    EXPECT_EQ(toFileName(fromFileName(everyByte)), everyByte);
    // Halves that no file name decodes to are not bytes.
    EXPECT_EQ(toFileName(WideString{char16_t(0xD800), u'a', char16_t(0xDC7F)}), "\xEF\xBF\xBD" "a\xEF\xBF\xBD");
}

TEST(StringUtil, TrimFileNameAndLines) {
    EXPECT_EQ(trim(WideStringView(u" \t\r\nword word\n ")), u"word word");
    EXPECT_EQ(trim(WideStringView(u" \t")), u"");
    EXPECT_EQ(fileNamePart(WideStringView(u"a/b\\c.txt")), u"c.txt");
    EXPECT_EQ(fileNamePart(std::string_view("/src/core/Logger.cpp")), "Logger.cpp");
    EXPECT_EQ(fileNamePart(WideStringView(u"plain")), u"plain");
    EXPECT_EQ(splitLines(u"one\r\ntwo\nthree"), (std::vector<WideString>{u"one", u"two", u"three"}));
    EXPECT_EQ(splitLines(u"a\n\nb\n"), (std::vector<WideString>{u"a", u"", u"b"}));
    EXPECT_EQ(splitLines(u"keep\rinside"), (std::vector<WideString>{u"keep\rinside"}));
    EXPECT_EQ(splitLines(u""), (std::vector<WideString>{u""}));
}

TEST(FixedUtf8String, CutsOnWholeCharactersAndReadsUnterminatedAndBadFieldsSafely) {
    // What is stored, and what reads back: 15 bytes and the NUL fill 16.
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"short", u"short"},
        {u"exactly15bytes!", u"exactly15bytes!"},
        {u"sixteen-bytes-xx", u"sixteen-bytes-x"},
        {u"abcdefghijklm\u00e9", u"abcdefghijklm\u00e9"},  // 13 + 2 bytes fit
        {u"abcdefghijklmn\u00e9", u"abcdefghijklmn"},       // the letter would split: dropped whole
        {u"abcdefghijkl\U0001F600", u"abcdefghijkl"},       // 12 + 4 leave no room for the NUL
    };
    FixedUtf8String<16> field;
    for (const auto& [stored, read] : cases) {
        field.set(stored);
        EXPECT_EQ(field.get(), read);
    }
    EXPECT_EQ(field.bytes[12], 0);
    field.bytes.fill('x');
    EXPECT_EQ(field.get(), WideString(16, u'x'));
    field.bytes.fill(0);
    field.bytes[0] = '\xC3';
    EXPECT_EQ(field.get(), u"\uFFFD");
}

TEST(FunctionName, KeepsClassAndMethod) {
    const std::pair<const char*, const char*> cases[] = {
        {"void Loader::tick(double, double)", "Loader::tick"},
        {"Language::Language()", "Language::Language"},
        {"virtual bool FileManager::open(const WideString&) const", "FileManager::open"},
        {"static std::u16string ns::Thing<int>::make(int) [with T = int]", "ns::Thing<int>::make"},
        {"int main(int, char**)", "main"},
        {"void {anonymous}::helper()", "helper"},
        {"const char* Foo::name()", "Foo::name"},
        {"void Foo::operator()(int)", "Foo::operator()"},
    };
    for (const auto& [pretty, want] : cases) EXPECT_EQ(qualifiedFunctionName(pretty), want) << pretty;
}
