#pragma once
#include <string_view>
#include "core/WideString.h"

/// The ISO 639 language code of the user's locale ("fr" for "fr_FR.UTF-8"), taken from
/// LC_ALL, LC_MESSAGES or LANG, the first that is set; empty for the C and POSIX locales
/// and for a value that does not start with a language code.
WideString getSystemLanguageCode();

/// The language code of one locale name, as above.
WideString languageCodeOfLocale(std::string_view locale);
