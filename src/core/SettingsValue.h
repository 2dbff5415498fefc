#pragma once
#include <optional>
#include "core/WideString.h"

/// The text forms of setting values, shared by both settings files.

/// An optional sign and decimal digits within the range of int; nothing else.
std::optional<int> parseSettingInt(WideStringView text);
/// "1"/"0", "true"/"false" (ASCII case ignored) or any whole number (non-zero is true).
std::optional<bool> parseSettingBool(WideStringView text);
