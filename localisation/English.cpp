#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/english/Attributes.inc"
#include "localisation/english/KeyboardNames.inc"
#include "localisation/english/InputNames.inc"
#include "localisation/english/Countries.inc"
#include "localisation/english/Common.inc"
#include "localisation/english/Network.inc"
#include "localisation/english/Game.inc"
#include "localisation/english/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> englishTexts() {
    return TEXTS;
}

void Language::initEnglish() {
    fillRow(0, TEXTS);
}
