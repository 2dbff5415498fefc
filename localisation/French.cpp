#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/french/Attributes.inc"
#include "localisation/french/KeyboardNames.inc"
#include "localisation/french/InputNames.inc"
#include "localisation/french/Countries.inc"
#include "localisation/french/Common.inc"
#include "localisation/french/Network.inc"
#include "localisation/french/Game.inc"
#include "localisation/french/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> frenchTexts() {
    return TEXTS;
}

void Language::initFrench() {
    fillRow(1, TEXTS);
}
