#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>
#include "core/StringUtil.h"
#include "localisation/LocalisedTexts.h"

// Rules every language's texts keep, whichever family they belong to.

namespace {

enum Row { EN, FR, DE, IT, ES, JA, KO, PL };

const char* const LANGUAGE_NAMES[LANGUAGE_COUNT] = {"english", "french",   "german", "italian",
                                                    "spanish", "japanese", "korean", "polish"};

/// One language's texts by id; null where its files give none.
std::vector<const char16_t*> rowTexts(int row) {
    std::vector<const char16_t*> texts(STRING_ID_COUNT, nullptr);
    for (const LocalisedText& entry : localisedTexts(row))
        texts[entry.id] = entry.text;
    return texts;
}

std::string describe(int row, StringId id) {
    const char16_t* key = findStringKey(id);
    return std::string(LANGUAGE_NAMES[row]) + " " + (key ? toUtf8(key) : std::to_string(id));
}

/// Calls `check(row, id, text)` for every text that the language files give.
template <class Check> void forEachText(Check check) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row)
        for (const LocalisedText& entry : localisedTexts(row))
            if (entry.text) check(row, entry.id, WideStringView(entry.text));
}

std::set<StringId> idsOfKeys(std::initializer_list<const char*> keys) {
    std::set<StringId> ids;
    for (const char* key : keys) {
        for (const StringKey& entry : STRING_KEYS)
            if (toUtf8(entry.key) == key) ids.insert(entry.id);
    }
    return ids;
}

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

}  // namespace

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
    expected[FR] = idsOfKeys({"DIK_Y",           "DIK_KANA",         "DIK_CONVERT",    "DIK_NOCONVERT",
                              "DIK_YEN",         "DIK_NUMPADEQUALS", "DIK_PREVTRACK",  "DIK_COLON",
                              "DIK_UNDERLINE",   "DIK_KANJI",        "DIK_STOP",       "DIK_UNLABELED",
                              "DIK_NEXTTRACK",   "DIK_MUTE",         "DIK_CALCULATOR", "DIK_PLAYPAUSE",
                              "DIK_MEDIASTOP",   "DIK_VOLUMEDOWN",   "DIK_VOLUMEUP",   "DIK_WEBHOME",
                              "DIK_NUMPADCOMMA", "DIK_UP",           "DIK_LEFT",       "DIK_RIGHT",
                              "DIK_DOWN",        "DIK_POWER",        "DIK_SLEEP",      "DIK_WAKE",
                              "DIK_WEBSEARCH",   "DIK_WEBFAVORITES", "DIK_WEBREFRESH", "DIK_WEBSTOP",
                              "DIK_WEBFORWARD",  "DIK_WEBBACK",      "DIK_MYCOMPUTER", "DIK_MAIL",
                              "DIK_MEDIASELECT"});
    expected[DE] = idsOfKeys({"DIK_Q", "DIK_W", "DIK_A", "DIK_M", "DIK_KANA", "DIK_CONVERT", "DIK_NOCONVERT",
                              "DIK_YEN", "DIK_NUMPADEQUALS", "DIK_COLON", "DIK_KANJI", "DIK_STOP", "DIK_UP",
                              "DIK_LEFT", "DIK_RIGHT", "DIK_DOWN", "DIK_POWER", "DIK_WEBSTOP", "DIK_MAIL"});
    expected[IT] = idsOfKeys({"DIK_Q",
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
    expected[IT].insert(joystickButtons.begin(), joystickButtons.end());
    expected[ES] = idsOfKeys({"DIK_Q", "DIK_W", "DIK_Y", "DIK_A", "DIK_Z", "DIK_M", "DIK_OEM_102", "DIK_KANA",
                              "DIK_CONVERT", "DIK_NOCONVERT", "DIK_YEN", "DIK_NUMPADEQUALS", "DIK_PREVTRACK",
                              "DIK_KANJI", "DIK_STOP", "DIK_UP", "DIK_LEFT", "DIK_RIGHT", "DIK_DOWN"});
    expected[ES].insert(joystickButtons.begin(), joystickButtons.end());
    expected[ES].insert(joystickDirections.begin(), joystickDirections.end());
    expected[JA] = idsOfKeys({"DIK_ESCAPE", "DIK_TAB", "DIK_Q", "DIK_W", "DIK_Y", "DIK_RETURN", "DIK_A",
                              "DIK_Z", "DIK_M", "DIK_OEM_102", "DIK_PAUSE", "DIK_HOME", "DIK_UP", "DIK_LEFT",
                              "DIK_RIGHT", "DIK_END", "DIK_DOWN"});
    expected[KO] = idsOfKeys({"DIK_UNKNOWN",
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
    expected[PL] = idsOfKeys(
        {"DIK_Q",         "DIK_W",     "DIK_Y",         "DIK_A",         "DIK_Z",     "DIK_M",
         "DIK_OEM_102",   "DIK_KANA",  "DIK_CONVERT",   "DIK_NOCONVERT", "DIK_YEN",   "DIK_NUMPADEQUALS",
         "DIK_PREVTRACK", "DIK_COLON", "DIK_UNDERLINE", "DIK_KANJI",     "DIK_STOP",  "DIK_UNLABELED",
         "DIK_UP",        "DIK_LEFT",  "DIK_RIGHT",     "DIK_DOWN",      "DIK_POWER", "DIK_SLEEP",
         "DIK_WAKE"});
    const std::size_t listed[LANGUAGE_COUNT] = {0, 37, 19, 27 + 32, 19 + 36, 17, 52, 25};

    const auto english = rowTexts(EN);
    for (int row = FR; row < LANGUAGE_COUNT; ++row) {
        ASSERT_EQ(expected[row].size(), listed[row]) << LANGUAGE_NAMES[row];
        expected[row].insert(everyRow.begin(), everyRow.end());
        const auto texts = rowTexts(row);
        for (StringId id = STR_DIK_NONE; id <= STR_DIK_MOUSEBUTTON3; ++id) {
            ASSERT_TRUE(texts[id] && english[id]) << describe(row, id);
            EXPECT_EQ(WideStringView(texts[id]) == english[id], expected[row].count(id) == 1)
                << describe(row, id);
        }
    }
}

TEST(TextRules, PlaceholdersMatchEnglishInEveryLanguage) {
    const auto english = rowTexts(EN);
    forEachText([&](int row, StringId id, WideStringView text) {
        if (!english[id]) return;
        EXPECT_EQ(placeholders(text), placeholders(english[id])) << describe(row, id);
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
        if (row == JA)
            return (c >= 0x3041 && c <= 0x3096) || (c >= 0x30A1 && c <= 0x30FC) ||
                   (c >= 0x4E00 && c <= 0x9FFF);
        if (row == KO) return c >= 0xAC00 && c <= 0xD7A3;
        return false;
    };
    const std::set<StringId> iconTexts =
        idsOfKeys({"CANCEL", "QUIT", "DIK_UP", "DIK_DOWN", "DIK_LEFT", "DIK_RIGHT", "BACK", "NEXT", "HELP",
                   "DIK_NUMLOCK", "ENDING14"});
    const std::u16string iconUnits = u"\u0002\u0003\u0004\u0005\u0006\u0009\u000A\u000D";
    forEachText([&](int row, StringId id, WideStringView text) {
        for (const char16_t c : text) {
            if (c < 0x20) {
                EXPECT_TRUE(iconUnits.find(c) != std::u16string::npos && iconTexts.count(id))
                    << describe(row, id) << " holds U+" << std::hex << int(c);
            } else {
                EXPECT_TRUE(isAllowed(row, c)) << describe(row, id) << " holds U+" << std::hex << int(c);
            }
        }
    });
}

TEST(TextRules, NoTextIsLongerThanItsLanguageAllows) {
    // Longest text of the whole row, and of the ids before the touch-platform family.
    const std::size_t longest[LANGUAGE_COUNT] = {99, 129, 138, 127, 109, 99, 99, 123};
    const std::size_t longestBeforeTouch[LANGUAGE_COUNT] = {67, 80, 87, 82, 82, 56, 56, 82};
    forEachText([&](int row, StringId id, WideStringView text) {
        EXPECT_LE(text.size(), id < 845 ? longestBeforeTouch[row] : longest[row]) << describe(row, id);
    });
}

TEST(TextRules, BlanksAndBarsStandOnlyWhereTheyBelong) {
    const std::set<StringId> bars =
        idsOfKeys({"CHANGELANGUAGETEXT", "ENUMCONTROLMETHOD1DESC", "ENUMFIRINGMETHOD0DESC",
                   "ENUMFIRINGMETHOD1DESC", "ENUMFIRINGMETHOD2DESC", "ENUMFIRINGMETHOD3DESC"});
    const std::set<StringId> japaneseTrailingBlank =
        idsOfKeys({"INTRO12", "ENDING6", "ENDING11", "ENDING16", "CHOOSEPLAYERS1", "WAVE55", "WAVE56",
                   "WAVE58", "WAVE59B", "SYSTEMENDDEFAULT", "SYSTEMEND10", "SYSTEMEND10B"});
    const std::set<StringId> doubleBlank = idsOfKeys({"BACK", "NEXT", "CANCEL", "HELP", "QUIT"});
    const std::set<StringId> polishEdgeBlank = idsOfKeys({"WAVE109"});
    forEachText([&](int row, StringId id, WideStringView text) {
        if (id <= STR_PLACEHOLDER0 || text.empty()) return;
        const bool bEdgeBlank = text.front() == u' ' || text.back() == u' ';
        const bool bAllowed =
            (row == PL && polishEdgeBlank.count(id)) || (row == JA && japaneseTrailingBlank.count(id));
        EXPECT_TRUE(!bEdgeBlank || bAllowed) << describe(row, id) << " begins or ends with a blank";
        EXPECT_TRUE(text.find(u"  ") == WideStringView::npos || doubleBlank.count(id)) << describe(row, id);
        EXPECT_EQ(text.find(u'\u3000'), WideStringView::npos) << describe(row, id);
        const auto barCount = std::count(text.begin(), text.end(), u'|');
        EXPECT_LE(barCount, bars.count(id) ? 1 : 0) << describe(row, id);
    });
}

TEST(TextRules, ButtonNamesCountFromButtonZero) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        const auto texts = rowTexts(row);
        const auto numbered = [&](StringId first, int count) {
            const WideStringView zero(texts[first]);
            ASSERT_TRUE(zero.ends_with(u'0')) << describe(row, first);
            for (int n = 0; n < count; ++n)
                EXPECT_EQ(WideStringView(texts[first + n]),
                          WideString(zero.substr(0, zero.size() - 1)) + fromUtf8(std::to_string(n)))
                    << describe(row, first + n);
        };
        numbered(STR_DIK_JOYBUTTON0, JOYSTICK_BUTTONS);
        numbered(STR_DIK_MOUSEBUTTON0, 4);
        for (StringId id = STR_DIK_JOYUP; id <= STR_DIK_MOUSEBUTTON3; ++id)
            EXPECT_FALSE(WideStringView(texts[id]).empty()) << describe(row, id);
    }
}
