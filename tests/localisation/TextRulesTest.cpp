#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>
#include "core/Format.h"
#include "core/StringUtil.h"
#include "LanguageRowsSupport.h"

// Rules every language's texts keep, whichever family they belong to.

namespace {

/// The printf placeholders of a text in order; a "%" that starts no conversion is plain text.
std::vector<std::u16string> placeholders(WideStringView text) {
    std::vector<std::u16string> found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != u'%') continue;
        std::size_t end = i + 1;
        while (end < text.size() &&
               std::u16string_view(u"-+ #0123456789.hlL").find(text[end]) != WideStringView::npos)
            ++end;
        if (end < text.size() &&
            std::u16string_view(u"sdiuxXcfeg%").find(text[end]) != WideStringView::npos) {
            found.emplace_back(text.substr(i, end - i + 1));
            i = end;
        }
    }
    return found;
}

/// Both kana with the middle dot and the prolonged sound mark.
bool isKana(char16_t c) {
    return isHiragana(c) || isKatakana(c) || c == 0x30FB || c == 0x30FC;
}

/// Japanese kana and ideographs in the Japanese row, Hangul syllables in the Korean one.
bool isOwnScript(int row, char16_t c) {
    if (row == ROW_JA) return isKana(c) || isIdeograph(c);
    if (row == ROW_KO) return isHangulSyllable(c);
    return false;
}

/// Every character beyond ASCII and beyond the row's own script that `row` uses from `first` to `last`.
std::u16string charactersBeyondAscii(int row, StringId first, StringId last) {
    std::set<char16_t> found;
    for (const LocalisedText& entry : localisedTexts(row)) {
        if (entry.id < first || entry.id > last || !entry.text) continue;
        for (const char16_t c : WideStringView(entry.text))
            if (c >= 0x80 && !isOwnScript(row, c)) found.insert(c);
    }
    return std::u16string(found.begin(), found.end());
}

} // namespace

TEST(TextRules, KeyNamesIdenticalToEnglishAreExactlyTheListedOnes) {
    const std::set<StringId> everyRow = idsOfKeys(
        {"DIK_NONE", "DIK_0",       "DIK_1",  "DIK_2",  "DIK_3",   "DIK_4",   "DIK_5",   "DIK_6",   "DIK_7",
         "DIK_8",    "DIK_9",       "DIK_B",  "DIK_C",  "DIK_D",   "DIK_E",   "DIK_F",   "DIK_G",   "DIK_H",
         "DIK_I",    "DIK_J",       "DIK_K",  "DIK_L",  "DIK_N",   "DIK_O",   "DIK_P",   "DIK_R",   "DIK_S",
         "DIK_T",    "DIK_U",       "DIK_V",  "DIK_X",  "DIK_F1",  "DIK_F2",  "DIK_F3",  "DIK_F4",  "DIK_F5",
         "DIK_F6",   "DIK_F7",      "DIK_F8", "DIK_F9", "DIK_F10", "DIK_F11", "DIK_F12", "DIK_F13", "DIK_F14",
         "DIK_F15",  "DIK_ABNT_C2", "DIK_AT", "DIK_AX"});
    ASSERT_EQ(everyRow.size(), 49u);
    std::set<StringId> joystickButtons;
    for (StringId id = STR_DIK_JOYBUTTON0; id <= STR_DIK_JOYBUTTON31; ++id)
        joystickButtons.insert(id);
    const std::set<StringId> joystickDirections =
        idsOfKeys({"DIK_JOYUP", "DIK_JOYDOWN", "DIK_JOYLEFT", "DIK_JOYRIGHT"});

    std::set<StringId> expected[LANGUAGE_COUNT];
    expected[ROW_FR] = idsOfKeys({"DIK_Y",           "DIK_KANA",         "DIK_CONVERT",    "DIK_NOCONVERT",
                                  "DIK_YEN",         "DIK_NUMPADEQUALS", "DIK_PREVTRACK",  "DIK_COLON",
                                  "DIK_UNDERLINE",   "DIK_KANJI",        "DIK_STOP",       "DIK_UNLABELED",
                                  "DIK_NEXTTRACK",   "DIK_MUTE",         "DIK_CALCULATOR", "DIK_PLAYPAUSE",
                                  "DIK_MEDIASTOP",   "DIK_VOLUMEDOWN",   "DIK_VOLUMEUP",   "DIK_WEBHOME",
                                  "DIK_NUMPADCOMMA", "DIK_UP",           "DIK_LEFT",       "DIK_RIGHT",
                                  "DIK_DOWN",        "DIK_POWER",        "DIK_SLEEP",      "DIK_WAKE",
                                  "DIK_WEBSEARCH",   "DIK_WEBFAVORITES", "DIK_WEBREFRESH", "DIK_WEBSTOP",
                                  "DIK_WEBFORWARD",  "DIK_WEBBACK",      "DIK_MYCOMPUTER", "DIK_MAIL",
                                  "DIK_MEDIASELECT"});
    expected[ROW_DE] =
        idsOfKeys({"DIK_Q", "DIK_W", "DIK_A", "DIK_M", "DIK_KANA", "DIK_CONVERT", "DIK_NOCONVERT", "DIK_YEN",
                   "DIK_NUMPADEQUALS", "DIK_COLON", "DIK_KANJI", "DIK_STOP", "DIK_UP", "DIK_LEFT",
                   "DIK_RIGHT", "DIK_DOWN", "DIK_POWER", "DIK_WEBSTOP", "DIK_MAIL"});
    expected[ROW_IT] = idsOfKeys({"DIK_Q",
                                  "DIK_W",
                                  "DIK_Y",
                                  "DIK_A",
                                  "DIK_Z",
                                  "DIK_M",
                                  "DIK_KANA",
                                  "DIK_CONVERT",
                                  "DIK_NOCONVERT",
                                  "DIK_YEN",
                                  "DIK_NUMPADEQUALS",
                                  "DIK_PREVTRACK",
                                  "DIK_COLON",
                                  "DIK_UNDERLINE",
                                  "DIK_KANJI",
                                  "DIK_STOP",
                                  "DIK_UNLABELED",
                                  "DIK_NEXTTRACK",
                                  "DIK_MUTE",
                                  "DIK_UP",
                                  "DIK_LEFT",
                                  "DIK_RIGHT",
                                  "DIK_DOWN",
                                  "DIK_POWER",
                                  "DIK_SLEEP",
                                  "DIK_WAKE",
                                  "DIK_MEDIASELECT"});
    expected[ROW_IT].insert(joystickButtons.begin(), joystickButtons.end());
    expected[ROW_ES] =
        idsOfKeys({"DIK_Q", "DIK_W", "DIK_Y", "DIK_A", "DIK_Z", "DIK_M", "DIK_OEM_102", "DIK_KANA",
                   "DIK_CONVERT", "DIK_NOCONVERT", "DIK_YEN", "DIK_NUMPADEQUALS", "DIK_PREVTRACK",
                   "DIK_KANJI", "DIK_STOP", "DIK_UP", "DIK_LEFT", "DIK_RIGHT", "DIK_DOWN"});
    expected[ROW_ES].insert(joystickButtons.begin(), joystickButtons.end());
    expected[ROW_ES].insert(joystickDirections.begin(), joystickDirections.end());
    expected[ROW_JA] = idsOfKeys({"DIK_ESCAPE", "DIK_TAB", "DIK_Q", "DIK_W", "DIK_Y", "DIK_RETURN", "DIK_A",
                                  "DIK_Z", "DIK_M", "DIK_OEM_102", "DIK_PAUSE", "DIK_HOME", "DIK_UP",
                                  "DIK_LEFT", "DIK_RIGHT", "DIK_END", "DIK_DOWN"});
    expected[ROW_KO] = idsOfKeys({"DIK_UNKNOWN",
                                  "DIK_MINUS",
                                  "DIK_EQUALS",
                                  "DIK_Q",
                                  "DIK_W",
                                  "DIK_Y",
                                  "DIK_LBRACKET",
                                  "DIK_RBRACKET",
                                  "DIK_A",
                                  "DIK_SEMICOLON",
                                  "DIK_APOSTROPHE",
                                  "DIK_GRAVE",
                                  "DIK_BACKSLASH",
                                  "DIK_Z",
                                  "DIK_M",
                                  "DIK_COMMA",
                                  "DIK_PERIOD",
                                  "DIK_SLASH",
                                  "DIK_MULTIPLY",
                                  "DIK_CAPITAL",
                                  "DIK_NUMLOCK",
                                  "DIK_SUBTRACT",
                                  "DIK_ADD",
                                  "DIK_OEM_102",
                                  "DIK_KANA",
                                  "DIK_CONVERT",
                                  "DIK_NOCONVERT",
                                  "DIK_YEN",
                                  "DIK_NUMPADEQUALS",
                                  "DIK_PREVTRACK",
                                  "DIK_COLON",
                                  "DIK_UNDERLINE",
                                  "DIK_KANJI",
                                  "DIK_STOP",
                                  "DIK_UNLABELED",
                                  "DIK_NEXTTRACK",
                                  "DIK_MUTE",
                                  "DIK_PLAYPAUSE",
                                  "DIK_MEDIASTOP",
                                  "DIK_WEBHOME",
                                  "DIK_NUMPADCOMMA",
                                  "DIK_POWER",
                                  "DIK_SLEEP",
                                  "DIK_WAKE",
                                  "DIK_WEBSEARCH",
                                  "DIK_WEBFAVORITES",
                                  "DIK_WEBREFRESH",
                                  "DIK_WEBSTOP",
                                  "DIK_WEBFORWARD",
                                  "DIK_WEBBACK",
                                  "DIK_MYCOMPUTER",
                                  "DIK_MEDIASELECT"});
    expected[ROW_PL] = idsOfKeys(
        {"DIK_Q",         "DIK_W",     "DIK_Y",         "DIK_A",         "DIK_Z",     "DIK_M",
         "DIK_OEM_102",   "DIK_KANA",  "DIK_CONVERT",   "DIK_NOCONVERT", "DIK_YEN",   "DIK_NUMPADEQUALS",
         "DIK_PREVTRACK", "DIK_COLON", "DIK_UNDERLINE", "DIK_KANJI",     "DIK_STOP",  "DIK_UNLABELED",
         "DIK_UP",        "DIK_LEFT",  "DIK_RIGHT",     "DIK_DOWN",      "DIK_POWER", "DIK_SLEEP",
         "DIK_WAKE"});
    const std::size_t listed[LANGUAGE_COUNT] = {0, 37, 19, 27 + 32, 19 + 36, 17, 52, 25};

    for (int row = ROW_FR; row < LANGUAGE_COUNT; ++row) {
        ASSERT_EQ(expected[row].size(), listed[row]) << ROW_NAMES[row];
        expected[row].insert(everyRow.begin(), everyRow.end());
        expectSameAsEnglishExactlyAt(row, STR_DIK_NONE, STR_DIK_MOUSEBUTTON3, expected[row]);
    }
}

TEST(TextRules, LaterTextsIdenticalToEnglishAreExactlyTheListedOnes) {
    struct Family {
        StringId first;
        StringId last;
        std::initializer_list<const char*> keys[LANGUAGE_COUNT];
        std::size_t counts[LANGUAGE_COUNT];
    };
    const Family families[] = {
        {STR_NETWORKWIZARD,
         STR_ENDING16,
         {{}, {}, {"INTRO10"}, {"INTRO10"}, {}, {"THEEND"}, {"THEEND"}, {"THEEND", "INTRO10"}},
         {0, 0, 1, 1, 0, 1, 1, 2}},
        {STR_ZELBINVORLANX,
         STR_GAMEOVER,
         {{},
          {"ZELBINVORLANX", "OMBRELRISE", "CREDITS1B", "CREDITS2B", "CREDITS3B", "BONUSDESTROYER",
           "PLANETNAME2", "PLANETNAME3", "PLANETNAME5", "PLANETNAME7", "WAVEX8"},
          {"ZELBINVORLANX", "OMBRELRISE", "CREDITS", "CREDITS1B", "CREDITS2B", "CREDITS3B", "PLANETNAME1",
           "PLANETNAME3", "PLANETNAME4", "PLANETNAME5", "PLANETNAME7", "PLANETNAME9", "WAVE59B", "WAVEX8",
           "GAMEOVER"},
          {"ZELBINVORLANX", "OMBRELRISE", "CREDITS1B", "CREDITS2B", "CREDITS3B", "WAVE59B", "WAVE44",
           "WAVEX8"},
          {"ZELBINVORLANX", "OMBRELRISE", "CREDITS1B", "CREDITS2B", "CREDITS3B", "PLANETNAME9"},
          {"ZELBINVORLANX", "OMBRELRISE", "COPYRIGHT", "CREDITS1B", "CREDITS2B", "CREDITS3B"},
          {"ZELBINVORLANX", "OMBRELRISE", "COPYRIGHT", "CREDITS1B", "CREDITS2B", "CREDITS3A", "CREDITS3B"},
          {"ZELBINVORLANX", "OMBRELRISE", "CREDITS1B", "CREDITS2B", "CREDITS3B", "BONUSMULTIKILL",
           "PLANETNAME4", "PLANETNAME7", "WAVE59B", "WAVE44", "WAVEX8", "SYSTEMEND10"}},
         {0, 11, 15, 8, 6, 6, 7, 12}},
        {STR_IOS_MWLEGAL1,
         STR_STEAM_PRESENSESINGLEPLAYER,
         {{},
          {"IOS_GAMECENTER", "IOS_ENUMSENSITIVITY4"},
          {"IOS_SUPPORT", "IOS_GAMECENTER", "IOS_ENUMSENSITIVITY1", "IOS_ENUMSENSITIVITY4"},
          {"IOS_GAMECENTER", "IOS_ENUMSENSITIVITY1", "IOS_ENUMSENSITIVITY4"},
          {"IOS_GAMECENTER", "IOS_ENUMSENSITIVITY4", "STEAM_PRESENSEMENUS", "STEAM_PRESENSESINGLEPLAYER"},
          {"IOS_GAMECENTER", "IOS_GDPR1", "IOS_GDPR2", "STEAM_PRESENSEMENUS", "STEAM_PRESENSESINGLEPLAYER"},
          {"IOS_GDPR1", "IOS_GDPR2", "STEAM_PRESENSEMENUS", "STEAM_PRESENSESINGLEPLAYER"},
          {"STEAM_PRESENSEMENUS", "STEAM_PRESENSESINGLEPLAYER"}},
         {0, 2, 4, 3, 4, 5, 4, 2}},
    };
    for (const Family& family : families) {
        for (int row = ROW_FR; row < LANGUAGE_COUNT; ++row) {
            const std::set<StringId> identical = idsOfKeys(family.keys[row]);
            ASSERT_EQ(identical.size(), family.counts[row]) << ROW_NAMES[row] << " from id " << family.first;
            expectSameAsEnglishExactlyAt(row, family.first, family.last, identical);
        }
    }
}

TEST(TextRules, PlaceholdersStandExactlyInTheListedTextsInEveryLanguage) {
    const std::map<StringId, std::vector<std::u16string>> expected = {
        {STR_HELLO, {u"%s"}},
        {STR_ERRORREPORTUPLOADING, {u"%s"}},
        {STR_CONNECTEDTO, {u"%s"}},
        {STR_DISCONNECTEDFROM, {u"%s"}},
        {STR_PLAYERJOINED, {u"%s"}},
        {STR_PLAYERLEFT, {u"%s"}},
        {STR_FAILEDWITHCODE, {u"%d"}},
        {STR_ERRORMINVERSIONCLIENT, {u"%s", u"%.2lf"}},
        {STR_ERRORMINVERSIONSERVER, {u"%s", u"%.2lf"}},
        {STR_IOS_MWLEGAL2, {u"%s", u"%s"}},
    };
    forEachGivenText([&](int row, StringId id, WideStringView text) {
        const auto entry = expected.find(id);
        const std::vector<std::u16string> wanted =
            entry == expected.end() ? std::vector<std::u16string>() : entry->second;
        EXPECT_EQ(placeholders(text), wanted) << rowAndKey(row, id);
        const auto percents = static_cast<std::size_t>(std::count(text.begin(), text.end(), u'%'));
        const bool bPlainPercent = row == ROW_FR && id == STR_DIK_APOSTROPHE;
        EXPECT_EQ(percents, bPlainPercent ? 1 : wanted.size()) << rowAndKey(row, id);
    });
    EXPECT_TRUE(placeholders(u"\u00F9 %").empty());
    EXPECT_EQ(placeholders(u"v%s needs %.2lf, got %d%%").size(), 4u);
}

TEST(TextRules, CharactersStayWithinEachLanguagesRepertoire) {
    const std::u16string beyondAscii[LANGUAGE_COUNT] = {
        u"\u00A9",
        u"\u00A0\u00A3\u00A7\u00A8\u00A9\u00AB\u00B0\u00B2\u00B5\u00BB\u00C0\u00C7\u00C9\u00CA\u00E0\u00E3"
        u"\u00E6"
        u"\u00E7\u00E8\u00E9\u00EA\u00EB\u00ED\u00EE\u00EF\u00F4\u00F9\u00FB\u0153",
        u"\u00A9\u00C4\u00D6\u00DC\u00DF\u00E0\u00E3\u00E4\u00E9\u00ED\u00F6\u00FC",
        u"\u00A9\u00D9\u00E0\u00E3\u00E8\u00E9\u00EC\u00ED\u00F2\u00F9",
        u"\u00A1\u00A9\u00BF\u00C1\u00C9\u00CD\u00D3\u00DA\u00E1\u00E9\u00ED\u00F1\u00F3\u00FA",
        u"\u00A9\u3001\u3002\u300C\u300D",
        u"\u00A9",
        u"\u00A9\u00D3\u00F3\u0105\u0106\u0107\u0118\u0119\u0141\u0142\u0144\u015A\u015B\u017A\u017B\u017C",
    };
    const auto isAllowed = [&](int row, char16_t c) {
        if (c >= 0x20 && c < 0x7F) return true;
        if (beyondAscii[row].find(c) != std::u16string::npos) return true;
        return isOwnScript(row, c);
    };
    const std::set<StringId> iconTexts =
        idsOfKeys({"CANCEL", "QUIT", "DIK_UP", "DIK_DOWN", "DIK_LEFT", "DIK_RIGHT", "BACK", "NEXT", "HELP",
                   "DIK_NUMLOCK", "ENDING14"});
    const std::u16string iconUnits = u"\u0002\u0003\u0004\u0005\u0006\u0009\u000A\u000D";
    forEachGivenText([&](int row, StringId id, WideStringView text) {
        for (const char16_t c : text) {
            if (c < 0x20) {
                EXPECT_TRUE(iconUnits.find(c) != std::u16string::npos && iconTexts.count(id))
                    << rowAndKey(row, id) << " holds U+" << std::hex << int(c);
            } else {
                EXPECT_TRUE(isAllowed(row, c)) << rowAndKey(row, id) << " holds U+" << std::hex << int(c);
            }
        }
    });
}

TEST(TextRules, LaterFamiliesUseExactlyTheirListedLetters) {
    struct Letters {
        StringId first;
        StringId last;
        std::u16string beyondAscii[LANGUAGE_COUNT]; // besides kana, ideographs and Hangul
    };
    const Letters families[] = {
        {STR_NETWORKWIZARD,
         STR_ENDING16,
         {u"", u"éèêàçÇ«»", u"äöü", u"àèù", u"áéíóúñ¡¿", u"、。", u"", u"ąćęłńóśźżŻ"}},
        // The Japanese comma belongs to the Japanese SYSTEMEND10B as it is given.
        {STR_ZELBINVORLANX,
         STR_GAMEOVER,
         {u"©", u"©éèêôïàÀœ", u"©äöüßà", u"©àì", u"©áéíóúñ¡¿", u"©、", u"©", u"©ąćęłńóśźżÓŚĆ"}},
    };
    for (const Letters& family : families) {
        for (int row = 0; row < LANGUAGE_COUNT; ++row) {
            std::u16string wanted = family.beyondAscii[row];
            std::sort(wanted.begin(), wanted.end());
            EXPECT_EQ(toUtf8(charactersBeyondAscii(row, family.first, family.last)), toUtf8(wanted))
                << ROW_NAMES[row] << " from id " << family.first;
        }
    }
    // The Japanese network and story texts mix both kana, the prolonged sound mark and ideographs.
    bool bHiragana = false, bKatakana = false, bProlonged = false, bIdeograph = false;
    const auto japanese = givenTextsOfRow(ROW_JA);
    for (StringId id = STR_NETWORKWIZARD; id <= STR_ENDING16; ++id) {
        if (!japanese[id]) continue;
        for (const char16_t c : WideStringView(japanese[id])) {
            bHiragana |= isHiragana(c);
            bKatakana |= isKatakana(c);
            bProlonged |= c == 0x30FC;
            bIdeograph |= isIdeograph(c);
        }
    }
    EXPECT_TRUE(bHiragana && bKatakana && bProlonged && bIdeograph);
}

TEST(TextRules, EachRowsLongestTextsAreTheListedOnes) {
    struct Longest {
        const char* key;
        std::size_t length;
    };
    // The second consent line is the longest text of every row; before the touch-platform
    // family these are.
    const std::size_t longestOfRow[LANGUAGE_COUNT] = {99, 129, 138, 127, 109, 99, 99, 123};
    const Longest longestBeforeTouch[LANGUAGE_COUNT] = {{"RUNTESTONDESKTOPHINT", 67},
                                                        {"VSYNCHINT", 80},
                                                        {"ERRORMINVERSIONSERVER", 87},
                                                        {"SELECTYOURCOUNTRYHINT", 82},
                                                        {"VSYNCHINT", 82},
                                                        {"COPYRIGHT", 56},
                                                        {"COPYRIGHT", 56},
                                                        {"VSYNCHINT", 82}};
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = givenTextsOfRow(row);
        const auto lengthOf = [&](StringId id) { return texts[id] ? WideStringView(texts[id]).size() : 0; };
        EXPECT_EQ(lengthOf(STR_IOS_GDPR2), longestOfRow[row]) << ROW_NAMES[row];
        const std::set<StringId> named = idsOfKeys({longestBeforeTouch[row].key});
        ASSERT_EQ(named.size(), 1u) << longestBeforeTouch[row].key;
        EXPECT_EQ(lengthOf(*named.begin()), longestBeforeTouch[row].length) << rowAndKey(row, *named.begin());
        for (StringId id = 0; id < STRING_ID_COUNT; ++id) {
            const std::size_t bound =
                id < STR_IOS_MWLEGAL1 ? longestBeforeTouch[row].length : longestOfRow[row];
            EXPECT_LE(lengthOf(id), bound) << rowAndKey(row, id);
        }
    }
}

TEST(TextRules, BlanksAndBarsStandExactlyWhereTheyBelong) {
    const std::set<StringId> bars =
        idsOfKeys({"CHANGELANGUAGETEXT", "ENUMCONTROLMETHOD1DESC", "ENUMFIRINGMETHOD0DESC",
                   "ENUMFIRINGMETHOD1DESC", "ENUMFIRINGMETHOD2DESC", "ENUMFIRINGMETHOD3DESC"});
    const std::set<StringId> japaneseTrailingBlank =
        idsOfKeys({"INTRO12", "ENDING6", "ENDING11", "ENDING16", "CHOOSEPLAYERS1", "WAVE55", "WAVE56",
                   "WAVE58", "WAVE59B", "SYSTEMENDDEFAULT", "SYSTEMEND10", "SYSTEMEND10B"});
    ASSERT_EQ(japaneseTrailingBlank.size(), 12u);
    const std::set<StringId> doubleBlank = idsOfKeys({"BACK", "NEXT", "CANCEL", "HELP", "QUIT"});
    forEachGivenText([&](int row, StringId id, WideStringView text) {
        if (id <= STR_PLACEHOLDER0 || text.empty()) return;
        const bool bJapaneseTrailing = row == ROW_JA && japaneseTrailingBlank.count(id);
        const bool bPolishFramed = row == ROW_PL && id == STR_WAVE109;
        EXPECT_EQ(text.front() == u' ', bPolishFramed) << rowAndKey(row, id) << " and a leading blank";
        EXPECT_EQ(text.back() == u' ', bPolishFramed || bJapaneseTrailing)
            << rowAndKey(row, id) << " and a trailing blank";
        if (bJapaneseTrailing) {
            EXPECT_TRUE(text.ends_with(u"! ") || text.ends_with(u"? ")) << rowAndKey(row, id);
        }
        EXPECT_TRUE(text.find(u"  ") == WideStringView::npos || doubleBlank.count(id)) << rowAndKey(row, id);
        EXPECT_EQ(text.find(u'\u3000'), WideStringView::npos) << rowAndKey(row, id);
        const bool bOneLine = row == ROW_IT && id == STR_ENUMCONTROLMETHOD1DESC;
        const auto barCount = std::count(text.begin(), text.end(), u'|');
        EXPECT_EQ(barCount, bars.count(id) && !bOneLine ? 1 : 0) << rowAndKey(row, id);
    });
}

TEST(TextRules, QuotedTextsOfTheLaterFamiliesAreExact) {
    const QuotedText quoted[] = {
        {ROW_EN, STR_ERRORREPORTUPLOADING, u"Uploading error data (%s bytes)."},
        {ROW_EN, STR_THEEND, u"THE END"},
        {ROW_EN, STR_IOS_CLICKTOCHANGEPLAYERS, u"Tap here to change players."},
        {ROW_EN, STR_IOS_SENSITIVITY, u"Dragging sensitivity"},
        {ROW_EN, STR_IOS_ENUMSENSITIVITY0, u"Low"},
        {ROW_EN, STR_IOS_ENUMSENSITIVITY1, u"Standard"},
        {ROW_EN, STR_IOS_ENUMSENSITIVITY2, u"High"},
        {ROW_EN, STR_IOS_ENUMSENSITIVITY3, u"Very high"},
        {ROW_EN, STR_IOS_ENUMSENSITIVITY4, u"Maximum"},
        {ROW_EN, STR_CONTROLMETHODCHANGE, u"You can change the control method through the \"Options\" menu."},
        {ROW_EN, STR_CONTROLMETHOD, u"Control method"},
        {ROW_EN, STR_ENUMCONTROLMETHOD0, u"Touch"},
        {ROW_EN, STR_ENUMCONTROLMETHOD1, u"Drag"},
        {ROW_EN, STR_ENUMCONTROLMETHOD0DESC, u"Your spaceship follows your finger on the screen."},
        {ROW_EN, STR_ENUMCONTROLMETHOD1DESC,
         u"Your spaceship mimics your dragging motions,|but doesn't follow your finger."},
        {ROW_EN, STR_FIRINGMETHOD, u"Firing mode"},
        {ROW_EN, STR_ENUMFIRINGMETHOD0, u"Automatic"},
        {ROW_EN, STR_ENUMFIRINGMETHOD1, u"Fire button (left)"},
        {ROW_EN, STR_ENUMFIRINGMETHOD2, u"Fire button (right)"},
        {ROW_EN, STR_ENUMFIRINGMETHOD3, u"Two fingers"},
        {ROW_EN, STR_ENUMFIRINGMETHOD0DESC,
         u"Touching the screen automatically fires.|Fire faster by tapping manually."},
        {ROW_EN, STR_ENUMFIRINGMETHOD1DESC,
         u"Press the on-screen button to fire.|Fire faster by tapping manually."},
        {ROW_EN, STR_ENUMFIRINGMETHOD3DESC,
         u"Touch the screen with a second finger to fire.|Fire faster by tapping manually."},
        {ROW_FR, STR_IOS_RATENOW, u"Evaluer maintenant\u00A0!"},
        {ROW_FR, STR_IOS_PROGRESSLOST, u"Toute votre progression sera perdue\u00A0!"},
        {ROW_IT, STR_ENUMCONTROLMETHOD1DESC,
         u"L'astronave imita i movimenti di trascinamento, ma non segue il tuo dito."},
        {ROW_JA, STR_CHOOSEPLAYERS1, u"エンジン始動! "},
        {ROW_JA, STR_WAVE55, u"がんばれ! "},
        {ROW_JA, STR_WAVE56, u"あとどのぐらいか? "},
        {ROW_JA, STR_WAVE58, u"あと 1 体だけ! "},
        {ROW_JA, STR_WAVE59B, u"ボーナス? "},
        {ROW_JA, STR_SYSTEMENDDEFAULT, u"システムクリア! "},
        {ROW_JA, STR_SYSTEMEND10, u"やったぜ! "},
        {ROW_JA, STR_SYSTEMEND10B, u"くたばれ、ポッド! "},
        {ROW_JA, STR_WAVE14, u"1 対 1"},
        {ROW_JA, STR_CONTROLMETHODCHANGE, u"「オプション」メニューより操作方法を変更できます。"},
    };
    expectQuotedTexts(quoted);
    for (int place = 1; place <= 10; ++place) {
        const std::u16string number = fromUtf8(std::to_string(place));
        EXPECT_EQ(WideStringView(givenTextsOfRow(ROW_JA)[STR_RANKING1 + place - 1]), number + u" 位")
            << "place " << place;
        EXPECT_EQ(WideStringView(givenTextsOfRow(ROW_KO)[STR_RANKING1 + place - 1]), number + u"등")
            << "place " << place;
    }
}

TEST(TextRules, TellingRowsKeepTheirShapeInEveryLanguage) {
    const auto secondLine = [](WideStringView text) { return text.substr(text.find(u'|') + 1); };
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = givenTextsOfRow(row);
        const auto text = [&](StringId id) { return WideStringView(texts[id] ? texts[id] : u""); };
        const std::string name = ROW_NAMES[row];

        EXPECT_EQ(text(STR_ENUMFIRINGMETHOD2DESC), text(STR_ENUMFIRINGMETHOD1DESC)) << name;
        for (StringId id = STR_ENUMFIRINGMETHOD1DESC; id <= STR_ENUMFIRINGMETHOD3DESC; ++id)
            EXPECT_EQ(secondLine(text(id)), secondLine(text(STR_ENUMFIRINGMETHOD0DESC)))
                << rowAndKey(row, id);

        // One mothership, named alike at every encounter.
        EXPECT_FALSE(text(STR_WAVE39).empty()) << name;
        EXPECT_EQ(text(STR_WAVE69), text(STR_WAVE39)) << name;
        WideString framed(text(STR_WAVE39));
        if (row == ROW_PL) framed = stringf(u" %s ", framed);
        EXPECT_EQ(text(STR_WAVE109), framed) << name;

        EXPECT_NE(text(STR_COPYRIGHT).find(u'©'), WideStringView::npos) << name;
        for (StringId id = STR_NETWORKWIZARD; id <= STR_STEAM_PRESENSESINGLEPLAYER; ++id)
            EXPECT_TRUE(id == STR_COPYRIGHT || text(id).find(u'©') == WideStringView::npos)
                << rowAndKey(row, id);

        const auto quotes = [&](StringId id) { return std::count(text(id).begin(), text(id).end(), u'"'); };
        EXPECT_EQ(quotes(STR_ENDING7), row == ROW_FR ? 0 : 2) << name;
        EXPECT_EQ(quotes(STR_CONTROLMETHODCHANGE), row == ROW_JA ? 0 : 2) << name;

        const WideStringView maker = u"Mirandel Works";
        EXPECT_NE(text(STR_ONLINEHELPHINT).find(maker), WideStringView::npos) << name;
        EXPECT_EQ(text(STR_UPLOADTEXT2).find(maker) != WideStringView::npos, row != ROW_JA) << name;

        for (StringId id = 0; id < STRING_ID_COUNT; ++id) {
            const bool bNoBreakSpace = row == ROW_FR && (id == STR_IOS_RATENOW || id == STR_IOS_PROGRESSLOST);
            EXPECT_EQ(text(id).find(u'\u00A0') != WideStringView::npos, bNoBreakSpace) << rowAndKey(row, id);
        }
    }

    const auto french = givenTextsOfRow(ROW_FR);
    EXPECT_NE(WideStringView(french[STR_ENDING7]).find(u'«'), WideStringView::npos);
    EXPECT_NE(WideStringView(french[STR_ENDING7]).find(u'»'), WideStringView::npos);
    // French sets an ordinary blank before "!" and "?" throughout the game texts.
    for (StringId id = STR_ZELBINVORLANX; id <= STR_GAMEOVER; ++id) {
        const WideStringView text(french[id]);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == u'!' || text[i] == u'?') {
                EXPECT_TRUE(i > 0 && text[i - 1] == u' ') << rowAndKey(ROW_FR, id);
            }
    }
    EXPECT_NE(WideStringView(givenTextsOfRow(ROW_ES)[STR_NETTESTINTRO3]).find(u"\"firewall\""),
              WideStringView::npos);

    const WideStringView japaneseIntro12(givenTextsOfRow(ROW_JA)[STR_INTRO12]);
    EXPECT_EQ(japaneseIntro12.size(), 18u);
    const WideStringView italianEnding14(givenTextsOfRow(ROW_IT)[STR_ENDING14]);
    EXPECT_EQ(italianEnding14.size(), 39u);
    EXPECT_TRUE(italianEnding14.ends_with(u"\t\t\t,\t"));
    EXPECT_EQ(std::count(italianEnding14.begin(), italianEnding14.end(), u'\t'), 4);
}

TEST(TextRules, ButtonNamesCountFromButtonZero) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = givenTextsOfRow(row);
        const auto numbered = [&](StringId first, int count) {
            const WideStringView zero(texts[first]);
            ASSERT_TRUE(zero.ends_with(u'0')) << rowAndKey(row, first);
            for (int n = 0; n < count; ++n)
                EXPECT_EQ(WideStringView(texts[first + n]),
                          WideString(zero.substr(0, zero.size() - 1)) + fromUtf8(std::to_string(n)))
                    << rowAndKey(row, first + n);
        };
        numbered(STR_DIK_JOYBUTTON0, JOYSTICK_BUTTONS);
        numbered(STR_DIK_MOUSEBUTTON0, 4);
        for (StringId id = STR_DIK_JOYUP; id <= STR_DIK_MOUSEBUTTON3; ++id)
            EXPECT_FALSE(WideStringView(texts[id]).empty()) << rowAndKey(row, id);
    }
}
