#include "media/CodePointTable.h"
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes header(uint8_t version, uint8_t count) { return {'C', 'P', 'L', 'T', version, 0, count, 0}; }

} // namespace

TEST(CodePointTable, WindowsCodePagesMapTheirBytes) {
    const std::tuple<const char16_t*, int, uint16_t> cases[] = {
        {u"1252", 0x41, u'A'},    {u"1252", 0x02, 0x0002}, {u"1252", 0xE9, u'é'},    {u"1252", 0x80, 0x20AC},
        {u"1252", 0x81, CodePointTable::NO_CODE},          {u"1250", 0xB9, u'ą'},    {u"1250", 0xA3, u'Ł'},
        {u"1250", 0xAF, u'Ż'},    {u"1251", 0xC0, 0x0410}, {u"1253", 0xC1, 0x0391}, {u"1255", 0xE0, 0x05D0},
        {u"1252", 256, CodePointTable::NO_CODE},           {u"1252", -1, CodePointTable::NO_CODE},
    };
    for (const auto& [codePage, slot, code] : cases) {
        const std::optional<CodePointTable> table = CodePointTable::forWindowsCodePage(codePage);
        ASSERT_TRUE(table);
        EXPECT_EQ(table->size(), 256u);
        EXPECT_EQ(table->codeOf(slot), code) << "slot " << slot;
    }
    EXPECT_FALSE(CodePointTable::forWindowsCodePage(u"Japanese"));
    EXPECT_FALSE(CodePointTable::forWindowsCodePage(u"1254"));
}

TEST(CodePointTable, RoundTripsThroughItsFile) {
    const CodePointTable table({u'日', u'本', CodePointTable::NO_CODE, u'語', 0x0002});
    std::string error;
    const std::optional<CodePointTable> back = CodePointTable::decode(table.encode(), error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->size(), 5u);
    for (int slot = 0; slot < 6; ++slot)
        EXPECT_EQ(back->codeOf(slot), table.codeOf(slot));
    EXPECT_EQ(table.encode().size(), CodePointTable::HEADER_SIZE + 10);
}

TEST(CodePointTable, RejectsMalformedFiles) {
    auto withSlots = [](Bytes bytes, std::initializer_list<uint16_t> slots) {
        for (uint16_t slot : slots) {
            bytes.push_back(static_cast<uint8_t>(slot & 0xFF));
            bytes.push_back(static_cast<uint8_t>(slot >> 8));
        }
        return bytes;
    };
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"short header", {'C', 'P', 'L'}},
        {"wrong magic", withSlots({'X', 'P', 'L', 'T', 1, 0, 1, 0}, {0x41})},
        {"unknown version", withSlots(header(2, 1), {0x41})},
        {"no slots", header(1, 0)},
        {"truncated", withSlots(header(1, 3), {0x41, 0x42})},
        {"trailing bytes", withSlots(header(1, 1), {0x41, 0x42})},
        {"odd byte", {'C', 'P', 'L', 'T', 1, 0, 1, 0, 0x41}},
        {"surrogate half", withSlots(header(1, 2), {0x41, 0xD800})},
    };
    for (const auto& [name, bytes] : cases) {
        std::string error;
        EXPECT_FALSE(CodePointTable::decode(bytes, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
}
