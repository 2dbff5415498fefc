#include "core/Language.h"
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include "ScanCodeGaps.h"
#include "core/Format.h"
#include "core/StringUtil.h"

namespace {

std::unique_ptr<Language> makeLanguage(WideString mask = {}) { return std::make_unique<Language>(std::move(mask)); }

enum Row { EN, FR, DE, IT, ES, JA, KO, PL };

}  // namespace

TEST(Language, KeyMapHoldsEveryKeyOnceWithItsIdAndLooksUpExactly) {
    auto language = makeLanguage();
    const std::pair<const char16_t*, StringId> samples[] = {
        {u"NULL", 0},        {u"LANGUAGENAME", 1},      {u"PLACEHOLDER0", 8}, {u"DIK_NONE", 9},
        {u"DIK_ESCAPE", 11}, {u"DIK_MEDIASELECT", 154}, {u"DIK_JOYUP", 155},  {u"DIK_MOUSEBUTTON3", 198},
        {u"COUNTRYNONE", 199}, {u"CONFIRM", 440},       {u"GAMEOVER", 834},   {u"STEAM_PRESENSESINGLEPLAYER", 900}};
    for (const auto& [key, id] : samples) EXPECT_EQ(language->findKey(key), id) << toUtf8(key);
    for (const char16_t* key : {u"dik_escape", u"DIK_ESCAPE ", u" DIK_ESCAPE", u"DIK_ESCAP", u""})
        EXPECT_EQ(language->findKey(key), -1) << toUtf8(key);

    EXPECT_EQ(language->getKeyMap().size(), std::size(STRING_KEYS));
    std::set<StringId> ids;
    for (const auto& [key, id] : language->getKeyMap()) {
        EXPECT_FALSE(isUnassignedStringId(id)) << id;
        EXPECT_TRUE(ids.insert(id).second) << "id " << id << " has two keys";
        EXPECT_EQ(WideStringView(findStringKey(id)), key);
    }
    Language::KeyMap map = language->getKeyMap();
    Language::addKey(map, u"DIK_ESCAPE", 12);  // a present key keeps its first id
    EXPECT_EQ(map.at(u"DIK_ESCAPE"), 11);
    EXPECT_EQ(map.size(), std::size(STRING_KEYS));

    std::vector<const char16_t*> table(LANGUAGE_COUNT * STRING_ID_COUNT, u"x");
    EXPECT_EQ(Language::findNullSlot(table), -1);
    table[2 * STRING_ID_COUNT + 5] = table[7 * STRING_ID_COUNT + 900] = nullptr;
    EXPECT_EQ(Language::findNullSlot(table), 2 * STRING_ID_COUNT + 5);
}

TEST(Language, ReadsEnglishUntilSetAndFallsBackToEnglishForBadOrMaskedRows) {
    struct Case {
        const char16_t* mask;
        int requested;
        int expected;
    };
    const Case cases[] = {
        {u"", 3, 3},         {u"", 7, 7},         {u"", 8, 0},          {u"", -1, 0},   {u"", 1000, 0},
        {u"11011111", 2, 0}, {u"11011111", 3, 3}, {u"111", 5, 0},       {u"111", 2, 2}, {u"00000001", 7, 7},
        {u"00000001", 0, 0}, {u"1x111111", 1, 0}, {u"11111111", -5, 0}, {u"0", 0, 0},   {u"1021", 3, 3},
        {u"1021", 2, 0},     {u"", 5, 5},
    };
    for (const Case& each : cases) {
        const auto language = makeLanguage(each.mask);
        EXPECT_EQ(language->getCurrentLanguage(), -1);
        EXPECT_EQ(WideStringView(language->getString(STR_LANGUAGEISOCODE)), u"en");
        language->setLanguage(each.requested);
        EXPECT_EQ(language->getCurrentLanguage(), each.expected) << toUtf8(each.mask) << " row " << each.requested;
        EXPECT_EQ(WideStringView(language->getString(STR_LANGUAGEISOCODE)),
                  language->getRowString(each.expected, STR_LANGUAGEISOCODE));
        EXPECT_FALSE(language->isRightToLeft());
    }
}

TEST(Language, KeyNamesFollowTheCurrentLanguageAndAreRebuiltOnEverySwitch) {
    const std::tuple<int, KeyCode, const char16_t*> cases[] = {
        {EN, 0, u""},          {JA, 0, u""},
        {EN, 84, u"UNKNOWN-84"}, {FR, 84, u"INCONNUE-84"}, {JA, 84, u"\u4E0D\u660E-84"}, {EN, 255, u"UNKNOWN-255"},
        {EN, 1, u"Esc"},       {FR, 1, u"ECHAP"},          {EN, 237, u"MEDIASELECT"},   {EN, 16, u"Q"},
        {FR, 16, u"A"},        {DE, 21, u"Z"},             {FR, 44, u"W"},              {DE, 44, u"Y"},
        {EN, 200, u"\u0005"},  {KO, 200, u"\uD0A4\uD328\uB4DC\uC704"},                  {EN, 74, u"-"},
        {FR, 40, u"\u00F9 %"}, {DE, 69, u"NUM\u0009\u0009"},
        {EN, 256, u"(1) JOYUP"}, {EN, 259, u"(1) JOYRIGHT"}, {EN, 272, u"(1) JOYBUTTON0"}, {EN, 303, u"(1) JOYBUTTON31"},
        {EN, 304, u"(2) JOYUP"}, {EN, 327, u"(2) JOYBUTTON7"}, {EN, 400, u"(4) JOYUP"}, {EN, 447, u"(4) JOYBUTTON31"},
        {EN, 448, u"MOUSEUP"},   {EN, 451, u"MOUSERIGHT"},   {EN, 452, u"MOUSE BUTTON 0"}, {EN, 455, u"MOUSE BUTTON 3"},
        {EN, 260, u"UNKNOWN-260"}, {EN, 271, u"UNKNOWN-271"}, {DE, 260, u"UNBEKANNT-260"}, {DE, 327, u"(2) JOY-KNOPF7"},
        {ES, 448, u"MOUSE ARRIBA"}, {IT, 258, u"(1) JOY SIN."}, {FR, 258, u"(1) MANETTEGAUCHE"},
        {JA, 272, u"(1) \u30B8\u30E7\u30A4\u30B9\u30C6\u30A3\u30C3\u30AF 0"},
        {JA, 452, u"\u30DE\u30A6\u30B9\u30DC\u30BF\u30F3 0"},
    };
    KeyNameTable names;
    const auto language = makeLanguage();
    language->setKeyNameTable(&names);
    KeyNameTable french;
    for (const auto& [row, code, name] : cases) {
        language->setLanguage(row);
        EXPECT_EQ(names[code], name) << "row " << row << " code " << code;
        if (row == FR) french = names;
    }
    language->setLanguage(FR);
    EXPECT_EQ(names, french);
}

TEST(Language, KeyCodesWithoutANameKeepTheDefault) {
    // The codes that no keyboard key, joystick input or mouse name claims.
    std::set<KeyCode> unnamed;
    for (const auto& [first, last] : UNNAMED_SCAN_CODES)
        for (KeyCode code = first; code <= last; ++code) unnamed.insert(code);
    for (int joystick = 0; joystick < MAX_JOYSTICKS; ++joystick)
        for (int offset = JOYSTICK_DIRECTIONS; offset < JOYSTICK_BUTTON_OFFSET; ++offset)
            unnamed.insert(FIRST_JOYSTICK_CODE + joystick * CODES_PER_JOYSTICK + offset);
    ASSERT_EQ(unnamed.size(), 111u + 48u);

    KeyNameTable names;
    const auto language = makeLanguage();
    language->setKeyNameTable(&names);
    language->setLanguage(JA);
    for (KeyCode code = 1; code < KEY_CODE_COUNT; ++code) {
        const bool bDefault = names[code] == stringf(u"%s-%d", language->getString(STR_DIK_UNKNOWN), code);
        EXPECT_EQ(bDefault, unnamed.count(code) == 1) << code;
    }
}
