#include "localisation/LocalisedTexts.h"

namespace {

constexpr LocalisedText TEXTS[] = {
#define TEXT(key, text) {STR_##key, text},
#include "localisation/korean/Attributes.inc"
#include "localisation/korean/KeyboardNames.inc"
#include "localisation/korean/InputNames.inc"
#include "localisation/korean/Countries.inc"
#include "localisation/korean/Common.inc"
#include "localisation/korean/Network.inc"
#include "localisation/korean/Game.inc"
#include "localisation/korean/Platform.inc"
#undef TEXT
};

}  // namespace

std::span<const LocalisedText> koreanTexts() {
    return TEXTS;
}

void Language::initKorean() {
    fillRow(6, TEXTS);
}
