#include "core/Language.h"
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include "core/Format.h"
#include "core/StringUtil.h"

namespace {

std::unique_ptr<Language> makeLanguage(WideString mask = {}) {
    return std::make_unique<Language>(std::move(mask));
}

std::string utf8(const char16_t* text) {
    return toUtf8(text);
}

}  // namespace

TEST(Language, KeyMapHoldsEveryKeyOnceWithItsId) {
    const auto language = makeLanguage();
    const std::pair<const char16_t*, StringId> samples[] = {
        {u"NULL", 0},        {u"LANGUAGENAME", 1},      {u"PLACEHOLDER0", 8}, {u"DIK_NONE", 9},
        {u"DIK_ESCAPE", 11}, {u"DIK_MEDIASELECT", 154}, {u"DIK_JOYUP", 155},  {u"DIK_MOUSEBUTTON3", 198}};
    for (const auto& [key, id] : samples)
        EXPECT_EQ(language->findKey(key), id) << utf8(key);

    EXPECT_EQ(language->getKeyMap().size(), std::size(STRING_KEYS));
    std::set<StringId> ids;
    for (const auto& [key, id] : language->getKeyMap()) {
        EXPECT_FALSE(isUnassignedStringId(id)) << id;
        EXPECT_TRUE(ids.insert(id).second) << "id " << id << " has two keys";
        EXPECT_EQ(WideStringView(findStringKey(id)), key);
    }
}

TEST(Language, KeyLookupIsExactAndLeavesTheMapAlone) {
    const auto language = makeLanguage();
    const std::size_t entries = language->getKeyMap().size();
    for (const char16_t* key :
         {u"dik_escape", u"DIK_ESCAPE ", u" DIK_ESCAPE", u"DIK_ESCAP", u"Dik_Escape", u""})
        EXPECT_EQ(language->findKey(key), -1) << utf8(key);
    EXPECT_EQ(language->getKeyMap().size(), entries);
}

TEST(Language, AddingAPresentKeyKeepsTheFirstId) {
    const auto language = makeLanguage();
    Language::KeyMap map = language->getKeyMap();
    const std::size_t entries = map.size();
    Language::addKey(map, u"DIK_ESCAPE", 12);
    EXPECT_EQ(map.at(u"DIK_ESCAPE"), 11);
    EXPECT_EQ(map.size(), entries);
}

TEST(Language, EverySlotHoldsATextAndKeylessIdsAreEmpty) {
    const auto language = makeLanguage();
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        for (StringId id = 0; id < STRING_ID_COUNT; ++id) {
            const char16_t* text = language->getRowString(row, id);
            ASSERT_NE(text, nullptr) << "row " << row << " id " << id;
            if (!findStringKey(id) || id == STR_NULL || id == STR_DIK_NONE) {
                EXPECT_EQ(WideStringView(text), u"") << "row " << row << " id " << id;
            }
        }
    }
}

TEST(Language, FindsTheFirstNullSlot) {
    std::vector<const char16_t*> table(LANGUAGE_COUNT * STRING_ID_COUNT, u"x");
    EXPECT_EQ(Language::findNullSlot(table), -1);
    table[2 * STRING_ID_COUNT + 5] = nullptr;
    table[7 * STRING_ID_COUNT + 900] = nullptr;
    EXPECT_EQ(Language::findNullSlot(table), 2 * STRING_ID_COUNT + 5);
}

TEST(Language, AttributeRowsAreExact) {
    const char16_t* const rows[LANGUAGE_COUNT][9] = {
        {u"", u"English", u"en", u"1252", u"LTR", u"Yes", u",", u".", u" "},
        {u"", u"Fran\u00E7ais", u"fr", u"1252", u"LTR", u"Yes", u" ", u",", u" "},
        {u"", u"Deutsch", u"de", u"1252", u"LTR", u"Yes", u" ", u".", u" "},
        {u"", u"Italiano", u"it", u"1252", u"LTR", u"Yes", u".", u",", u" "},
        {u"", u"Espa\u00F1ol", u"es", u"1252", u"LTR", u"Yes", u".", u",", u" "},
        {u"", u"\u65E5\u672C\u8A9E", u"ja", u"Japanese", u"LTR", u"No", u",", u".", u" "},
        {u"", u"\uD55C\uAD6D\uC5B4", u"ko", u"Korean", u"LTR", u"No", u",", u".", u" "},
        {u"", u"Polski", u"pl", u"1250", u"LTR", u"No", u" ", u",", u" "},
    };
    const auto language = makeLanguage();
    for (int row = 0; row < LANGUAGE_COUNT; ++row)
        for (StringId id = STR_NULL; id <= STR_PLACEHOLDER0; ++id)
            EXPECT_EQ(WideStringView(language->getRowString(row, id)), rows[row][id])
                << "row " << row << " id " << id;
}

TEST(Language, ReadsEnglishUntilALanguageIsSet) {
    const auto language = makeLanguage();
    EXPECT_EQ(language->getCurrentLanguage(), -1);
    EXPECT_EQ(WideStringView(language->getString(STR_LANGUAGEISOCODE)), u"en");
    language->setLanguage(6);
    EXPECT_EQ(WideStringView(language->getString(STR_LANGUAGEISOCODE)), u"ko");
}

TEST(Language, SetLanguageFallsBackToEnglishForBadOrDisabledRows) {
    struct Case {
        const char16_t* mask;
        int requested;
        int expected;
    };
    const Case cases[] = {
        {u"", 3, 3},         {u"", 7, 7},         {u"", 8, 0},          {u"", -1, 0},   {u"", 1000, 0},
        {u"11011111", 2, 0}, {u"11011111", 3, 3}, {u"111", 5, 0},       {u"111", 2, 2}, {u"00000001", 7, 7},
        {u"00000001", 0, 0}, {u"1x111111", 1, 0}, {u"11111111", -5, 0}, {u"0", 0, 0},   {u"111111111", 8, 0},
    };
    for (const Case& each : cases) {
        const auto language = makeLanguage(each.mask);
        language->setLanguage(each.requested);
        EXPECT_EQ(language->getCurrentLanguage(), each.expected)
            << "mask '" << utf8(each.mask) << "' row " << each.requested;
        EXPECT_FALSE(language->isRightToLeft());
    }
}

TEST(Language, MaskEnablesRowsByCharacter) {
    const auto all = makeLanguage();
    const auto some = makeLanguage(u"1021");
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        EXPECT_TRUE(all->isLanguageEnabled(row)) << row;
        EXPECT_EQ(some->isLanguageEnabled(row), row == 0 || row == 3) << row;
    }
    for (int row : {-1, 8, 901}) {
        EXPECT_FALSE(all->isLanguageEnabled(row)) << row;
        EXPECT_FALSE(some->isLanguageEnabled(row)) << row;
    }
}

TEST(Language, EveryBuiltInRowReadsLeftToRight) {
    const auto language = makeLanguage();
    for (int row = 0; row < LANGUAGE_COUNT; ++row) {
        language->setLanguage(row);
        EXPECT_EQ(language->getCurrentLanguage(), row);
        EXPECT_FALSE(language->isRightToLeft()) << row;
    }
}

TEST(Language, KeyNamesFollowTheCurrentLanguage) {
    enum Row { EN, FR, DE, IT, ES, JA, KO, PL };
    struct Case {
        int row;
        KeyCode code;
        const char16_t* name;
    };
    const Case cases[] = {
        {EN, 0, u""},
        {FR, 0, u""},
        {JA, 0, u""},
        {EN, 84, u"UNKNOWN-84"},
        {FR, 84, u"INCONNUE-84"},
        {JA, 84, u"\u4E0D\u660E-84"},
        {KO, 84, u"UNKNOWN-84"},
        {EN, 255, u"UNKNOWN-255"},
        {EN, 1, u"Esc"},
        {FR, 1, u"ECHAP"},
        {EN, 237, u"MEDIASELECT"},
        {EN, 16, u"Q"},
        {DE, 16, u"Q"},
        {FR, 16, u"A"},
        {DE, 21, u"Z"},
        {FR, 44, u"W"},
        {DE, 44, u"Y"},
        {EN, 200, u"\u0005"},
        {PL, 200, u"\u0005"},
        {KO, 200, u"\uD0A4\uD328\uB4DC\uC704"},
        {EN, 12, u"-"},
        {EN, 74, u"-"},
        {FR, 40, u"\u00F9 %"},
        {DE, 69, u"NUM\u0009\u0009"},
        {EN, 256, u"(1) JOYUP"},
        {EN, 259, u"(1) JOYRIGHT"},
        {EN, 272, u"(1) JOYBUTTON0"},
        {EN, 273, u"(1) JOYBUTTON1"},
        {EN, 279, u"(1) JOYBUTTON7"},
        {EN, 303, u"(1) JOYBUTTON31"},
        {EN, 304, u"(2) JOYUP"},
        {EN, 320, u"(2) JOYBUTTON0"},
        {EN, 327, u"(2) JOYBUTTON7"},
        {EN, 400, u"(4) JOYUP"},
        {EN, 447, u"(4) JOYBUTTON31"},
        {EN, 448, u"MOUSEUP"},
        {EN, 451, u"MOUSERIGHT"},
        {EN, 452, u"MOUSE BUTTON 0"},
        {EN, 455, u"MOUSE BUTTON 3"},
        {EN, 260, u"UNKNOWN-260"},
        {EN, 271, u"UNKNOWN-271"},
        {EN, 308, u"UNKNOWN-308"},
        {EN, 415, u"UNKNOWN-415"},
        {DE, 260, u"UNBEKANNT-260"},
        {KO, 260, u"UNKNOWN-260"},
        {DE, 272, u"(1) JOY-KNOPF0"},
        {DE, 327, u"(2) JOY-KNOPF7"},
        {ES, 256, u"(1) JOYUP"},
        {ES, 272, u"(1) JOYBUTTON0"},
        {ES, 448, u"MOUSE ARRIBA"},
        {ES, 452, u"MOUSE BOTON 0"},
        {IT, 256, u"(1) JOY SU"},
        {IT, 258, u"(1) JOY SIN."},
        {IT, 272, u"(1) JOYBUTTON0"},
        {JA, 272, u"(1) \u30B8\u30E7\u30A4\u30B9\u30C6\u30A3\u30C3\u30AF 0"},
        {JA, 256, u"(1) \u30B8\u30E7\u30A4\u30B9\u30C6\u30A3\u30C3\u30AF\u4E0A"},
        {JA, 452, u"\u30DE\u30A6\u30B9\u30DC\u30BF\u30F3 0"},
        {FR, 258, u"(1) MANETTEGAUCHE"},
    };
    KeyNameTable names;
    const auto language = makeLanguage();
    language->setKeyNameTable(&names);
    for (const Case& each : cases) {
        language->setLanguage(each.row);
        EXPECT_EQ(names[each.code], each.name) << "row " << each.row << " code " << each.code;
    }
}

TEST(Language, SwitchingLanguageRebuildsEveryKeyName) {
    KeyNameTable names;
    const auto language = makeLanguage();
    language->setKeyNameTable(&names);
    language->setLanguage(1);
    EXPECT_EQ(names[84], u"INCONNUE-84");
    EXPECT_EQ(names[16], u"A");
    const KeyNameTable french = names;
    language->setLanguage(0);
    EXPECT_EQ(names[84], u"UNKNOWN-84");
    EXPECT_EQ(names[16], u"Q");
    language->setLanguage(2);
    EXPECT_EQ(names[256], u"(1) JOY-HOCH");
    EXPECT_EQ(names[448], u"MAUS-HOCH");
    EXPECT_EQ(names[260], u"UNBEKANNT-260");
    language->setLanguage(1);
    EXPECT_EQ(names, french);
}

TEST(Language, KeyCodesWithoutANameKeepTheDefault) {
    // The codes that no keyboard key, joystick input or mouse name claims.
    std::set<KeyCode> unnamed;
    const std::pair<KeyCode, KeyCode> keyboardGaps[] = {
        {84, 85},   {89, 99},   {103, 111}, {113, 114}, {116, 120}, {122, 122}, {124, 124},
        {127, 140}, {142, 143}, {152, 152}, {154, 155}, {158, 159}, {163, 163}, {165, 173},
        {175, 175}, {177, 177}, {180, 180}, {182, 182}, {185, 196}, {198, 198}, {202, 202},
        {204, 204}, {206, 206}, {212, 218}, {224, 226}, {228, 228}, {238, 255}};
    for (const auto& [first, last] : keyboardGaps)
        for (KeyCode code = first; code <= last; ++code)
            unnamed.insert(code);
    for (int joystick = 0; joystick < MAX_JOYSTICKS; ++joystick)
        for (int offset = JOYSTICK_DIRECTIONS; offset < JOYSTICK_BUTTON_OFFSET; ++offset)
            unnamed.insert(FIRST_JOYSTICK_CODE + joystick * CODES_PER_JOYSTICK + offset);
    ASSERT_EQ(unnamed.size(), 111u + 48u);

    KeyNameTable names;
    const auto language = makeLanguage();
    language->setKeyNameTable(&names);
    language->setLanguage(5);
    for (KeyCode code = 1; code < KEY_CODE_COUNT; ++code) {
        const bool bDefault = names[code] == stringf(u"%s-%d", language->getString(STR_DIK_UNKNOWN), code);
        EXPECT_EQ(bDefault, unnamed.count(code) == 1) << code;
    }
}
