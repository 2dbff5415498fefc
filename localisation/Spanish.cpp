#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/spanish/Attributes.inc"
#include "localisation/spanish/KeyboardNames.inc"
#include "localisation/spanish/InputNames.inc"
#include "localisation/spanish/Countries.inc"
#include "localisation/spanish/Common.inc"
#include "localisation/spanish/Network.inc"
#include "localisation/spanish/Game.inc"
#include "localisation/spanish/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> spanishTexts() {
    return TEXTS;
}

void Language::initSpanish() {
    fillRow(4, TEXTS);
}
