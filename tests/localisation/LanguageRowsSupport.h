#pragma once
#include <set>
#include <string>
#include <string_view>
#include <vector>
#include "core/StringUtil.h"
#include "localisation/LocalisedTexts.h"

// Reading the language files row by row, for the tests of single text families.

enum LanguageRow { ROW_EN, ROW_FR, ROW_DE, ROW_IT, ROW_ES, ROW_JA, ROW_KO, ROW_PL };

inline const char* const ROW_NAMES[LANGUAGE_COUNT] = {"english", "french",   "german", "italian",
                                                      "spanish", "japanese", "korean", "polish"};

/// One language's texts by id, as its files give them; the empty text where they give none.
inline std::vector<WideStringView> textsOfRow(int row) {
    std::vector<WideStringView> texts(STRING_ID_COUNT);
    for (const LocalisedText& entry : localisedTexts(row))
        if (entry.text) texts[entry.id] = entry.text;
    return texts;
}

/// The id of a key, or -1 when no key file lists it.
inline StringId idOfKey(std::u16string_view key) {
    for (const StringKey& entry : STRING_KEYS)
        if (key == entry.key) return entry.id;
    return -1;
}

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
