#pragma once
#include "core/WideString.h"

class Language;

/// `value` in decimal with `separator` between groups of three digits counted from the right;
/// a minus sign stays in front of the first group ("-1,234", "-123").
WideString formatThousands(int value, WideStringView separator);
/// The same with the current language's thousands separator ("THOUSANDSEPARATOR").
WideString formatThousands(int value, const Language& language);
