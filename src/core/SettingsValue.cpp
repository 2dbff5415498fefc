#include "core/SettingsValue.h"
#include <limits>
#include "core/StringUtil.h"

std::optional<int> parseSettingInt(WideStringView text) {
    std::size_t i = 0;
    const bool bNegative = !text.empty() && text[0] == u'-';
    if (!text.empty() && (text[0] == u'-' || text[0] == u'+')) i = 1;
    if (i == text.size()) return std::nullopt;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        value = value * 10 + (text[i] - u'0');
        if (value > int64_t(std::numeric_limits<int>::max()) + 1) return std::nullopt;
    }
    if (bNegative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<bool> parseSettingBool(WideStringView text) {
    const WideString lower = toLowerAscii(text);
    if (lower == u"true") return true;
    if (lower == u"false") return false;
    const auto number = parseSettingInt(text);
    if (!number) return std::nullopt;
    return *number != 0;
}
