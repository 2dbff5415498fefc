#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/italian/Attributes.inc"
#include "localisation/italian/KeyboardNames.inc"
#include "localisation/italian/InputNames.inc"
#include "localisation/italian/Countries.inc"
#include "localisation/italian/Common.inc"
#include "localisation/italian/Network.inc"
#include "localisation/italian/Game.inc"
#include "localisation/italian/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> italianTexts() {
    return TEXTS;
}

void Language::initItalian() {
    fillRow(3, TEXTS);
}
