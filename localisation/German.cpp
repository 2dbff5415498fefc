#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/german/Attributes.inc"
#include "localisation/german/KeyboardNames.inc"
#include "localisation/german/InputNames.inc"
#include "localisation/german/Countries.inc"
#include "localisation/german/Common.inc"
#include "localisation/german/Network.inc"
#include "localisation/german/Game.inc"
#include "localisation/german/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> germanTexts() {
    return TEXTS;
}

void Language::initGerman() {
    fillRow(2, TEXTS);
}
