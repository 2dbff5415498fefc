#pragma once
#include <span>
#include "core/Language.h"

/// The texts of each language exactly as its files list them, in file order. The row
/// fillers of the language store are built from them; tests check them against the keys.
std::span<const LocalisedText> englishTexts();
std::span<const LocalisedText> frenchTexts();
std::span<const LocalisedText> germanTexts();
std::span<const LocalisedText> italianTexts();
std::span<const LocalisedText> spanishTexts();
std::span<const LocalisedText> japaneseTexts();
std::span<const LocalisedText> koreanTexts();
std::span<const LocalisedText> polishTexts();

/// The texts of language `row` (0 English to 7 Polish).
std::span<const LocalisedText> localisedTexts(int row);
