#pragma once
#include <cstdint>
#include "core/StringKeys.h"

/// What a caption line says, apart from its words: the string id its text was looked up by
/// and the number put into that text (0 for none). The game's digest takes this in place of
/// the words, so the same game digests alike in every language.
struct CaptionId {
    StringId textId = STR_NULL;
    int32_t number = 0;
};
