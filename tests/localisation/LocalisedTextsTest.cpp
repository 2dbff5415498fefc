#include "localisation/LocalisedTexts.h"
#include <gtest/gtest.h>
#include <array>
#include <cstdio>
#include <memory>
#include <set>
#include <string>
#include <vector>
#include "LanguageRowsSupport.h"
#include "core/StringUtil.h"

namespace {

std::string keyName(StringId id) {
    const char16_t* key = findStringKey(id);
    return key ? toUtf8(key) : "<id " + std::to_string(id) + " without key>";
}

/// What is wrong with one language's texts of one family, or nothing.
std::string familyProblems(const StringFamily& family, std::span<const LocalisedText> texts) {
    std::vector<StringId> written, expected;
    for (const LocalisedText& entry : texts)
        if (entry.id >= family.first && entry.id <= family.last) written.push_back(entry.id);
    for (const StringKey& entry : STRING_KEYS)
        if (entry.id >= family.first && entry.id <= family.last) expected.push_back(entry.id);
    if (written == expected) return {};
    std::string report;
    const std::multiset<StringId> have(written.begin(), written.end());
    for (StringId id : expected)
        if (!have.count(id)) report += " missing " + keyName(id) + ";";
    for (StringId id : have)
        if (have.count(id) > 1 && report.find(" twice " + keyName(id)) == std::string::npos)
            report += " twice " + keyName(id) + ";";
    return report.empty() ? " keys not in the order of the key file;" : report;
}

/// A 32-bit FNV-1a digest of a family's texts in one language, text after text.
std::string familyDigest(const StringFamily& family, int row) {
    uint32_t hash = 2166136261u;
    for (const LocalisedText& entry : localisedTexts(row)) {
        if (entry.id < family.first || entry.id > family.last || !entry.text) continue;
        for (const char16_t unit : WideStringView(entry.text)) hash = (hash ^ unit) * 16777619u;
        hash = (hash ^ 0xFFFFu) * 16777619u;
    }
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

}  // namespace

TEST(LocalisedTexts, EveryLanguageListsExactlyTheKeysOfEachFamilyInOrderAndOnlyTheListedSlotsAreEmpty) {
    EXPECT_EQ(std::size(STRING_KEYS), 798u);
    for (StringId id = 0; id < STRING_ID_COUNT; ++id)
        EXPECT_EQ(findStringKey(id) != nullptr, !isUnassignedStringId(id)) << "id " << id;
    const auto language = std::make_unique<Language>();
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        for (const StringFamily& family : STRING_FAMILIES) {
            const std::string problems = familyProblems(family, localisedTexts(row));
            EXPECT_TRUE(problems.empty()) << ROW_NAMES[row] << "/" << family.name << ".inc:" << problems;
        }
        for (StringId id = 0; id < STRING_ID_COUNT; ++id) {
            const char16_t* text = language->getRowString(row, id);
            ASSERT_NE(text, nullptr) << ROW_NAMES[row] << " " << keyName(id);
            const bool bEmpty = isUnassignedStringId(id) || id == STR_NULL || id == STR_DIK_NONE ||
                                (row != ROW_EN && id == STR_ORIGINALMUSICHINT);
            EXPECT_EQ(WideStringView(text).empty(), bEmpty) << ROW_NAMES[row] << " " << keyName(id);
        }
    }
}

// The texts stand in the files exactly as they were given: a lost blank, tab or no-break space,
// an untranslated or swapped text changes a digest. A text changed on purpose brings its new
// digest, which the failure prints.
TEST(LocalisedTexts, EveryFamilyOfEveryLanguageHoldsItsTextsExactly) {
    const char* const digests[LANGUAGE_COUNT][std::size(STRING_FAMILIES)] = {
        {"8b6466f2", "f16e114d", "0917e433", "5c2320ff", "2ec7c609", "37db53ca", "1c2caa14", "3d14fb61"},
        {"62f9ea7e", "d3abeb9a", "ed5cea19", "902d39f7", "0142014d", "7af0961e", "fc185120", "70e8efc8"},
        {"e35b30be", "bf339560", "97eb2803", "f2d5f648", "c0298b36", "7c3a6e36", "2a34f16a", "70a092ed"},
        {"1d2f1b27", "965d9dad", "97e25521", "6a59e4b5", "7df1cca0", "2bce8d98", "b2dd0597", "ff55e8cb"},
        {"3373b53a", "9263a01d", "696d341b", "40e364a4", "2f75f4e5", "53b257f8", "e003b543", "c0505f62"},
        {"31496968", "896f9d4e", "b47b2de5", "b713a2d0", "540c420b", "e45b9e6d", "fc38c2a9", "90062022"},
        {"1e55374e", "f372ebea", "c7513cb9", "0a1d5b07", "45d3a356", "b76af9f5", "de990012", "308d2745"},
        {"823704c9", "8f6a345b", "b162f5e3", "3d0a54fa", "7d3db72f", "8b28bc70", "08443316", "0af07e60"},
    };
    for (int row = 0; row < LANGUAGE_COUNT; ++row)
        for (std::size_t family = 0; family < std::size(STRING_FAMILIES); ++family)
            EXPECT_EQ(familyDigest(STRING_FAMILIES[family], row), digests[row][family])
                << ROW_NAMES[row] << "/" << STRING_FAMILIES[family].name << ".inc";
}

// The screens that show these English texts word them exactly so; the other languages translate
// them. Where a translation keeps the English word it is listed, every other text has its own
// words; the Japanese closing exclamation keeps its blank after the mark.
TEST(LocalisedTexts, QuotedEnglishTextsStandVerbatimAndTranslationsKeepEnglishOnlyWhereListed) {
    const std::pair<StringId, const char16_t*> quoted[] = {
        {STR_INTRO1, u"Space"},
        {STR_INTRO2, u"The final frontier"},
        {STR_INTRO3, u"The Solar System"},
        {STR_INTRO4, u"Our home"},
        {STR_INTRO5, u"As we rejoin the plot"},
        {STR_INTRO6, u"our hero is cleaning up"},
        {STR_INTRO7, u"the last of the zelbin vorlanx"},
        {STR_INTRO8, u"Earth is safe once more"},
        {STR_INTRO9, u"Almost..."},
        {STR_INTRO10, u"Hmm..."},
        {STR_INTRO11, u"This does not look good"},
        {STR_INTRO12, u"Someone will have to clean up this mess"},
        {STR_INTRO13, u"I wonder who?"},
        {STR_ADVANCEDOPTIONS, u"Advanced Options"},
        {STR_VIDEOMODE, u"Video mode"},
        {STR_VIDEOMODEHINT, u"Screen resolution"},
        {STR_FULLSCREEN, u"Full screen"},
        {STR_LETTERBOX, u"Letterbox"},
        {STR_LETTERBOXHINT, u"Preserve game's original aspect ratio"},
        {STR_VSYNC, u"V-Sync"},
        {STR_BILINEARFILTER, u"Bilinear filter"},
        {STR_SHOWFPS, u"Show fps"},
    };
    const auto english = textsOfRow(ROW_EN);
    for (const auto& [id, text] : quoted)
        EXPECT_EQ(english[id], WideStringView(text)) << rowAndKey(ROW_EN, id);

    // Keys from NETWORKWIZARD to ENDING16 whose text is the English one, by language.
    const std::array<std::set<StringId>, LANGUAGE_COUNT> sameAsEnglish = {{
        {},                        // English
        {},                        // French
        {STR_INTRO10},             // German
        {STR_INTRO10},             // Italian
        {},                        // Spanish
        {STR_THEEND},              // Japanese
        {STR_THEEND},              // Korean
        {STR_THEEND, STR_INTRO10}, // Polish
    }};
    for (int row = ROW_FR; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        for (StringId id = STR_NETWORKWIZARD; id <= STR_ENDING16; ++id) {
            if (isUnassignedStringId(id)) continue;
            EXPECT_EQ(texts[id] == english[id], sameAsEnglish[row].count(id) == 1) << rowAndKey(row, id);
        }
        for (StringId id : {STR_VIDEOMODEHINT, STR_LETTERBOXHINT})
            EXPECT_NE(texts[id], english[id]) << rowAndKey(row, id);
    }
    const WideStringView exclamation = textsOfRow(ROW_JA)[STR_INTRO12];
    EXPECT_TRUE(exclamation.ends_with(u"! ") && exclamation.size() == 18) << "japanese INTRO12";
}

// A translation that slips back to the English text, or an English word translated where the
// players expect the key cap or the brand name, changes a count here. The key names also list
// which keys each language keeps in English, so the report names the key.
TEST(LocalisedTexts, EachFamilyKeepsTheEnglishTextForItsCountOfIdsAndKeyNamesOnlyForTheListedKeys) {
    const int sameAsEnglish[LANGUAGE_COUNT][std::size(STRING_FAMILIES)] = {
        {9, 146, 44, 241, 103, 94, 119, 42}, // English
        {5, 86, 0, 67, 9, 0, 11, 2},         // French
        {6, 68, 0, 92, 6, 1, 15, 4},         // German
        {5, 76, 32, 106, 13, 1, 8, 3},       // Italian
        {5, 68, 36, 92, 6, 0, 6, 4},         // Spanish
        {5, 66, 0, 2, 9, 1, 6, 5},           // Japanese
        {5, 101, 0, 2, 8, 1, 7, 4},          // Korean
        {3, 74, 0, 239, 8, 2, 12, 2},        // Polish
    };
    const auto english = textsOfRow(ROW_EN);
    for (int row = ROW_EN; row < LANGUAGE_COUNT; ++row) {
        const auto texts = textsOfRow(row);
        for (std::size_t family = 0; family < std::size(STRING_FAMILIES); ++family) {
            int count = 0;
            for (StringId id = STRING_FAMILIES[family].first; id <= STRING_FAMILIES[family].last; ++id)
                count += !isUnassignedStringId(id) && texts[id] == english[id];
            EXPECT_EQ(count, sameAsEnglish[row][family]) << ROW_NAMES[row] << "/" << STRING_FAMILIES[family].name;
        }
    }

    const std::set<StringId> everyLanguage = idsOfKeyList(
        "DIK_NONE DIK_0 DIK_1 DIK_2 DIK_3 DIK_4 DIK_5 DIK_6 DIK_7 DIK_8 DIK_9 DIK_B DIK_C DIK_D DIK_E DIK_F DIK_G "
        "DIK_H DIK_I DIK_J DIK_K DIK_L DIK_N DIK_O DIK_P DIK_R DIK_S DIK_T DIK_U DIK_V DIK_X DIK_F1 DIK_F2 DIK_F3 "
        "DIK_F4 DIK_F5 DIK_F6 DIK_F7 DIK_F8 DIK_F9 DIK_F10 DIK_F11 DIK_F12 DIK_F13 DIK_F14 DIK_F15 DIK_ABNT_C2 "
        "DIK_AT DIK_AX");
    const char* const alsoInEnglish[LANGUAGE_COUNT] = {
        "",
        // French
        "DIK_Y DIK_KANA DIK_CONVERT DIK_NOCONVERT DIK_YEN DIK_NUMPADEQUALS DIK_PREVTRACK DIK_COLON DIK_UNDERLINE "
        "DIK_KANJI DIK_STOP DIK_UNLABELED DIK_NEXTTRACK DIK_MUTE DIK_CALCULATOR DIK_PLAYPAUSE DIK_MEDIASTOP "
        "DIK_VOLUMEDOWN DIK_VOLUMEUP DIK_WEBHOME DIK_NUMPADCOMMA DIK_UP DIK_LEFT DIK_RIGHT DIK_DOWN DIK_POWER "
        "DIK_SLEEP DIK_WAKE DIK_WEBSEARCH DIK_WEBFAVORITES DIK_WEBREFRESH DIK_WEBSTOP DIK_WEBFORWARD DIK_WEBBACK "
        "DIK_MYCOMPUTER DIK_MAIL DIK_MEDIASELECT",
        // German
        "DIK_Q DIK_W DIK_A DIK_M DIK_KANA DIK_CONVERT DIK_NOCONVERT DIK_YEN DIK_NUMPADEQUALS DIK_COLON DIK_KANJI "
        "DIK_STOP DIK_UP DIK_LEFT DIK_RIGHT DIK_DOWN DIK_POWER DIK_WEBSTOP DIK_MAIL",
        // Italian
        "DIK_Q DIK_W DIK_Y DIK_A DIK_Z DIK_M DIK_KANA DIK_CONVERT DIK_NOCONVERT DIK_YEN DIK_NUMPADEQUALS "
        "DIK_PREVTRACK DIK_COLON DIK_UNDERLINE DIK_KANJI DIK_STOP DIK_UNLABELED DIK_NEXTTRACK DIK_MUTE DIK_UP "
        "DIK_LEFT DIK_RIGHT DIK_DOWN DIK_POWER DIK_SLEEP DIK_WAKE DIK_MEDIASELECT",
        // Spanish
        "DIK_Q DIK_W DIK_Y DIK_A DIK_Z DIK_M DIK_OEM_102 DIK_KANA DIK_CONVERT DIK_NOCONVERT DIK_YEN "
        "DIK_NUMPADEQUALS DIK_PREVTRACK DIK_KANJI DIK_STOP DIK_UP DIK_LEFT DIK_RIGHT DIK_DOWN",
        // Japanese
        "DIK_ESCAPE DIK_TAB DIK_Q DIK_W DIK_Y DIK_RETURN DIK_A DIK_Z DIK_M DIK_OEM_102 DIK_PAUSE DIK_HOME DIK_UP "
        "DIK_LEFT DIK_RIGHT DIK_END DIK_DOWN",
        // Korean
        "DIK_UNKNOWN DIK_MINUS DIK_EQUALS DIK_Q DIK_W DIK_Y DIK_LBRACKET DIK_RBRACKET DIK_A DIK_SEMICOLON "
        "DIK_APOSTROPHE DIK_GRAVE DIK_BACKSLASH DIK_Z DIK_M DIK_COMMA DIK_PERIOD DIK_SLASH DIK_MULTIPLY "
        "DIK_CAPITAL DIK_NUMLOCK DIK_SUBTRACT DIK_ADD DIK_OEM_102 DIK_KANA DIK_CONVERT DIK_NOCONVERT DIK_YEN "
        "DIK_NUMPADEQUALS DIK_PREVTRACK DIK_COLON DIK_UNDERLINE DIK_KANJI DIK_STOP DIK_UNLABELED DIK_NEXTTRACK "
        "DIK_MUTE DIK_PLAYPAUSE DIK_MEDIASTOP DIK_WEBHOME DIK_NUMPADCOMMA DIK_POWER DIK_SLEEP DIK_WAKE "
        "DIK_WEBSEARCH DIK_WEBFAVORITES DIK_WEBREFRESH DIK_WEBSTOP DIK_WEBFORWARD DIK_WEBBACK DIK_MYCOMPUTER "
        "DIK_MEDIASELECT",
        // Polish
        "DIK_Q DIK_W DIK_Y DIK_A DIK_Z DIK_M DIK_OEM_102 DIK_KANA DIK_CONVERT DIK_NOCONVERT DIK_YEN "
        "DIK_NUMPADEQUALS DIK_PREVTRACK DIK_COLON DIK_UNDERLINE DIK_KANJI DIK_STOP DIK_UNLABELED DIK_UP DIK_LEFT "
        "DIK_RIGHT DIK_DOWN DIK_POWER DIK_SLEEP DIK_WAKE",
    };
    EXPECT_EQ(everyLanguage.size(), 49u);
    for (int row = ROW_FR; row < LANGUAGE_COUNT; ++row) {
        const std::set<StringId> kept = idsOfKeyList(alsoInEnglish[row]);
        EXPECT_FALSE(kept.count(-1)) << ROW_NAMES[row] << ": a listed key is not a key";
        const auto texts = textsOfRow(row);
        for (StringId id = STR_DIK_NONE; id <= STR_DIK_MEDIASELECT; ++id)
            EXPECT_EQ(texts[id] == english[id], everyLanguage.count(id) + kept.count(id) == 1) << rowAndKey(row, id);
    }
}
