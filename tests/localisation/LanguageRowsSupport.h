#pragma once
#include <gtest/gtest.h>
#include <initializer_list>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>
#include "core/StringUtil.h"
#include "localisation/LocalisedTexts.h"

// Reading the language files row by row, for the tests of the texts.

enum LanguageRow { ROW_EN, ROW_FR, ROW_DE, ROW_IT, ROW_ES, ROW_JA, ROW_KO, ROW_PL };

inline const char* const ROW_NAMES[LANGUAGE_COUNT] = {"english", "french",   "german", "italian",
                                                      "spanish", "japanese", "korean", "polish"};

/// One language's texts by id; the empty text where its files give none.
inline std::vector<WideStringView> textsOfRow(int row) {
    std::vector<WideStringView> texts(STRING_ID_COUNT);
    for (const LocalisedText& entry : localisedTexts(row))
        if (entry.text) texts[entry.id] = entry.text;
    return texts;
}

/// Calls `check(row, id, text)` for every text that the language files give.
template <class Check> void forEachGivenText(Check check) {
    for (int row = 0; row < LANGUAGE_COUNT; ++row)
        for (const LocalisedText& entry : localisedTexts(row))
            if (entry.text) check(row, entry.id, WideStringView(entry.text));
}

/// The id of a key, or -1 when no key file lists it.
inline StringId idOfKey(std::u16string_view key) {
    for (const StringKey& entry : STRING_KEYS)
        if (key == entry.key) return entry.id;
    return -1;
}

/// The ids of blank-separated keys; -1 for a key that no key file lists.
inline std::set<StringId> idsOfKeyList(std::string_view keys) {
    std::set<StringId> ids;
    for (std::size_t begin = 0; begin < keys.size();) {
        std::size_t end = keys.find(' ', begin);
        if (end == std::string_view::npos) end = keys.size();
        if (end > begin) ids.insert(idOfKey(fromUtf8(keys.substr(begin, end - begin))));
        begin = end + 1;
    }
    return ids;
}

inline std::string rowAndKey(int row, StringId id) {
    const char16_t* key = findStringKey(id);
    return std::string(ROW_NAMES[row]) + " " + (key ? toUtf8(key) : std::to_string(id));
}

inline bool isHiragana(char16_t c) {
    return c >= 0x3041 && c <= 0x3096;
}
/// Katakana letters, without the middle dot and the prolonged sound mark.
inline bool isKatakana(char16_t c) {
    return c >= 0x30A1 && c <= 0x30FA;
}
inline bool isIdeograph(char16_t c) {
    return c >= 0x4E00 && c <= 0x9FFF;
}
inline bool isHangulSyllable(char16_t c) {
    return c >= 0xAC00 && c <= 0xD7A3;
}
