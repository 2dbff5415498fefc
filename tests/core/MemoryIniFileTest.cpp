#include "core/MemoryIniFile.h"
#include <gtest/gtest.h>
#include <string>
#include "core/StringUtil.h"

namespace {

struct Lookup {
    const char16_t* section;
    const char16_t* key;
    std::optional<WideString> expected;
};

}  // namespace

TEST(MemoryIniFile, ParsesSectionsKeysAndTheUnnamedSection) {
    const MemoryIniFile ini(
        u"top=1\r\n"
        u"  spaced key \t=  spaced value \r\n"
        u"; comment=ignored\n"
        u"# also=ignored\n"
        u"no equals sign\n"
        u"=no name\n"
        u"[ Graphics ]\n"
        u"hq2x=2\n"
        u"HQ2X=3\n"
        u"empty=\n"
        u"eq=a=b\n"
        u"[Language]\r\n"
        u"languageMask=1101\r\n"
        u"[graphics]\n"
        u"late=4\n"
        u"[broken\n"
        u"broken=5");
    const Lookup cases[] = {
        {u"", u"top", u"1"},
        {u"", u"spaced key", u"spaced value"},
        {u"", u"; comment", std::nullopt},
        {u"", u"# also", std::nullopt},
        {u"", u"", std::nullopt},
        {u"Graphics", u"hq2x", u"2"},      // the first of equal keys wins
        {u"GRAPHICS", u"Hq2x", u"2"},      // names ignore ASCII case
        {u"Graphics", u"empty", u""},      // present, empty
        {u"Graphics", u"eq", u"a=b"},      // split at the first '='
        {u"Graphics", u"late", u"4"},      // a repeated section continues the first
        {u"Language", u"languageMask", u"1101"},
        {u"Language", u"hq2x", std::nullopt},
        {u"Missing", u"top", std::nullopt},
        {u"graphics", u"broken", u"5"},    // an unclosed section line is no section line
    };
    for (const Lookup& c : cases) {
        EXPECT_EQ(ini.findString(c.section, c.key), c.expected) << toUtf8(c.section) << "/" << toUtf8(c.key);
        EXPECT_EQ(ini.hasKey(c.section, c.key), c.expected.has_value());
        EXPECT_EQ(ini.getString(c.section, c.key), c.expected.value_or(u""));
    }
}

TEST(MemoryIniFile, WritesWhatItReadsKeepsTheOrderAndValuesStayOnOneLine) {
    MemoryIniFile ini(u"a=1\n[S1]\nx=2\n[S2]\ny=3\n");
    ini.setString(u"s1", u"X", u"changed");
    ini.setString(u"S3", u"z", u"new");
    ini.setString(u"", u"b", u"top");
    EXPECT_EQ(ini.toText(), u"a=1\nb=top\n\n[S1]\nx=changed\n\n[S2]\ny=3\n\n[S3]\nz=new\n");
    EXPECT_EQ(MemoryIniFile(ini.toText()).toText(), ini.toText());
    ini.setString(u"S", u"k", u"one\r\n[Other]\nx=1");
    const MemoryIniFile again(ini.toText());
    EXPECT_EQ(again.getString(u"S", u"k"), u"one  [Other] x=1");
    EXPECT_FALSE(again.hasKey(u"Other", u"x"));
}

TEST(MemoryIniFile, ReadsUtf8BytesWithOrWithoutByteOrderMark) {
    const std::string withMark = "\xEF\xBB\xBF[S]\nname=\xC3\xA9t\xC3\xA9\n";
    for (std::string_view text : {std::string_view(withMark), std::string_view(withMark).substr(3)}) {
        const auto ini = MemoryIniFile::fromUtf8Bytes(
            {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
        EXPECT_EQ(ini.getString(u"S", u"name"), u"\u00e9t\u00e9");
    }
    const std::string bad = "[S]\nk=\xFF\xFE\n";
    const auto ini = MemoryIniFile::fromUtf8Bytes({reinterpret_cast<const uint8_t*>(bad.data()), bad.size()});
    EXPECT_EQ(ini.getString(u"S", u"k"), u"\uFFFD\uFFFD");
}
