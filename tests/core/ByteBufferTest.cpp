#include "core/ByteBuffer.h"
#include <gtest/gtest.h>

TEST(ByteBuffer, DecodesByByteOrderMark) {
    const std::pair<std::string, WideString> cases[] = {
        {"", u""},
        {"OK", u"OK"},
        {"line1\r\nline2", u"line1\r\nline2"},
        {"caf\xC3\xA9", u"caf\u00e9"},                            // no mark: UTF-8
        {"\xEF\xBB\xBF" "caf\xC3\xA9", u"caf\u00e9"},            // UTF-8 mark dropped
        {"\xEF\xBB\xBF", u""},
        {std::string("\xFF\xFE" "H\0i\0", 6), u"Hi"},             // UTF-16LE
        {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), u"\U0001F600"},  // surrogate pair kept whole
        {std::string("\xFF\xFE\x3D\xD8" "A\0\x00\xDE", 8), u"\uFFFDA\uFFFD"},  // lone halves
        {"\xFF\xFE", u""},
        {std::string("\xFF\xFE" "A\0B", 5), u"A\uFFFD"},          // odd length: dangling byte
        {"\xFF\xFE" "A", u"\uFFFD"},
        {"\xFF", u"\uFFFD"},                                      // half a mark is plain bad UTF-8
        {"\xEF\xBB", u"\uFFFD\uFFFD"},
        {std::string("\xFE\xFF\0A", 4), std::u16string(u"\uFFFD\uFFFD") + u'\0' + u"A"},  // big-endian not honoured
        {std::string("a\0b", 3), std::u16string(u"a") + u'\0' + u"b"},
    };
    for (const auto& [bytes, want] : cases) {
        const ByteBuffer buffer(bytes.data(), bytes.size());
        EXPECT_EQ(buffer.size(), bytes.size());
        EXPECT_EQ(buffer.toWideString(), want) << testing::PrintToString(bytes);
    }
}

TEST(ByteBuffer, OddUtf16LengthReadsOnlyItsOwnBytes) {
    // A heap block of exactly three bytes: under the address sanitizer any read past it fails.
    const ByteBuffer buffer(std::vector<uint8_t>{0xFF, 0xFE, 0x41});
    EXPECT_EQ(buffer.toWideString(), u"\uFFFD");
    EXPECT_TRUE(ByteBuffer().empty());
    EXPECT_EQ(ByteBuffer().toWideString(), u"");
}
