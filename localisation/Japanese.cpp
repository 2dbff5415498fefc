#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/japanese/Attributes.inc"
#include "localisation/japanese/KeyboardNames.inc"
#include "localisation/japanese/InputNames.inc"
#include "localisation/japanese/Countries.inc"
#include "localisation/japanese/Common.inc"
#include "localisation/japanese/Network.inc"
#include "localisation/japanese/Game.inc"
#include "localisation/japanese/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> japaneseTexts() {
    return TEXTS;
}

void Language::initJapanese() {
    fillRow(5, TEXTS);
}
