#include "game/FormatThousands.h"
#include "core/Format.h"
#include "core/Language.h"

WideString formatThousands(int value, WideStringView separator) {
    WideString text = stringf(u"%d", value);
    // Groups are counted over the digits only, and each separator may be several units long.
    const std::size_t firstDigit = value < 0 ? 1 : 0;
    for (std::size_t groupEnd = text.size(); groupEnd - firstDigit > 3; groupEnd -= 3)
        text.insert(groupEnd - 3, separator);
    return text;
}

WideString formatThousands(int value, const Language& language) {
    return formatThousands(value, language.getString(STR_THOUSANDSEPARATOR));
}
