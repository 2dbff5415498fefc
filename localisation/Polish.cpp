#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/polish/Attributes.inc"
#include "localisation/polish/KeyboardNames.inc"
#include "localisation/polish/InputNames.inc"
#include "localisation/polish/Countries.inc"
#include "localisation/polish/Common.inc"
#include "localisation/polish/Network.inc"
#include "localisation/polish/Game.inc"
#include "localisation/polish/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> polishTexts() {
    return TEXTS;
}

void Language::initPolish() {
    fillRow(7, TEXTS);
}
