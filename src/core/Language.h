#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <unordered_map>
#include "core/KeyCodes.h"
#include "core/StringKeys.h"
#include "core/WideString.h"

/// One text of a language as its localisation file lists it.
struct LocalisedText {
    StringId id;
    const char16_t* text;
};

/// The engine's language store: the key map and the texts of every language, compiled in
/// and filled once while the store is built; afterwards only the current language changes.
/// Main thread only.
class Language {
  public:
    using KeyMap = std::unordered_map<WideString, StringId>;

    /// `languageMask` is the static setting: character r enables row r when it is "1"; an
    /// empty mask enables every row. A slot that a filler left null is a fatal error.
    explicit Language(WideString languageMask = {});
    Language(const Language&) = delete;
    Language& operator=(const Language&) = delete;

    /// The text of `id` in the current language; English while no language is set yet.
    const char16_t* getString(StringId id) const;
    /// The text of `id` in language `row`.
    const char16_t* getRowString(int row, StringId id) const;

    bool isLanguageEnabled(int row) const;
    /// Replaces the static setting's mask (as the constructor takes it).
    void setLanguageMask(WideStringView mask) { languageMask = mask; }
    /// Makes `row` current (a row outside 0 to 7 or a disabled one becomes 0), takes the
    /// reading order from the row's attributes and rebuilds the key names.
    void setLanguage(int row);
    /// -1 until a language is set.
    int32_t getCurrentLanguage() const { return currentLanguage; }
    bool isRightToLeft() const { return rightToLeft != 0; }

    /// The id of a key (exact, case-sensitive), or -1 when no such key exists.
    StringId findKey(WideStringView key) const;
    const KeyMap& getKeyMap() const { return keyMap; }
    /// Inserts (key, id) unless the key is present already; the first id stays.
    static void addKey(KeyMap& map, WideStringView key, StringId id);

    /// The table of key display names that `setLanguage` rewrites; the input object hands
    /// in the table it owns. Null (the default) leaves key names alone.
    void setKeyNameTable(KeyNameTable* table) { pKeyNames = table; }

    /// The first null slot of a table of LANGUAGE_COUNT rows, as row * STRING_ID_COUNT + id,
    /// or -1 when there is none.
    static int findNullSlot(std::span<const char16_t* const> table);

  private:
    void initKeyMap();
    void initEnglish();
    void initFrench();
    void initGerman();
    void initItalian();
    void initSpanish();
    void initJapanese();
    void initKorean();
    void initPolish();
    /// Points every slot of `row` at its text; ids without a key get the empty text, and a
    /// key the language does not list stays null for the constructor's check.
    void fillRow(int row, std::span<const LocalisedText> texts);
    void applyKeyNames();

    std::array<const char16_t*, LANGUAGE_COUNT * STRING_ID_COUNT> strings;
    KeyMap keyMap;
    int32_t currentLanguage;
    int32_t rightToLeft;
    WideString languageMask;
    KeyNameTable* pKeyNames = nullptr;
};
