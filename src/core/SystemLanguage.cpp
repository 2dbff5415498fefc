#include "core/SystemLanguage.h"
#include <cstdlib>

WideString languageCodeOfLocale(std::string_view locale) {
    WideString code;
    for (const char c : locale) {
        if (c == '_' || c == '.' || c == '@') break;
        if (c >= 'a' && c <= 'z')
            code += static_cast<char16_t>(c);
        else if (c >= 'A' && c <= 'Z')
            code += static_cast<char16_t>(c - 'A' + 'a');
        else
            return {};
    }
    // "C" and "POSIX" name no language; ISO 639 codes have two or three letters.
    if (code.size() < 2 || code.size() > 3) return {};
    return code;
}

WideString getSystemLanguageCode() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) return languageCodeOfLocale(value);
    }
    return {};
}
