#include "localisation/LocalisedTexts.h"

std::span<const LocalisedText> localisedTexts(int row) {
    using Texts = std::span<const LocalisedText> (*)();
    static constexpr Texts ROWS[LANGUAGE_COUNT] = {englishTexts, frenchTexts,   germanTexts, italianTexts,
                                                   spanishTexts, japaneseTexts, koreanTexts, polishTexts};
    return row >= 0 && row < LANGUAGE_COUNT ? ROWS[row]() : std::span<const LocalisedText>();
}
