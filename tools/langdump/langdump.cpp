// Prints every text of one language as "id<TAB>key<TAB>text", one id per line, for
// translators and reviewers.
#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>
#include "core/Format.h"
#include "core/Language.h"
#include "core/StringUtil.h"

namespace {

/// A row number 0 to 7, or the ISO code of a row.
std::optional<int> findRow(const Language& language, std::string_view argument) {
    if (argument.size() == 1 && argument[0] >= '0' && argument[0] < '0' + LANGUAGE_COUNT) return argument[0] - '0';
    for (int row = 0; row < LANGUAGE_COUNT; ++row)
        if (toUtf8(language.getRowString(row, STR_LANGUAGEISOCODE)) == argument) return row;
    return std::nullopt;
}

/// Units below U+0020 and the backslash become \uXXXX, so each text stays on its line.
WideString escaped(WideStringView text) {
    WideString out;
    for (const char16_t unit : text) {
        if (unit < 0x20 || unit == u'\\') out += stringf(u"\\u%04X", static_cast<int>(unit));
        else out += unit;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: langdump LANGUAGE (a row 0 to 7 or an ISO code such as fr)\n");
        return 2;
    }
    const auto language = std::make_unique<Language>();
    const std::optional<int> row = findRow(*language, argv[1]);
    if (!row) {
        std::fprintf(stderr, "langdump: unknown language '%s'\n", argv[1]);
        return 2;
    }
    for (StringId id = 0; id < STRING_ID_COUNT; ++id) {
        const char16_t* key = findStringKey(id);
        const std::string text = toUtf8(escaped(language->getRowString(*row, id)));
        std::printf("%d\t%s\t%s\n", id, key ? toUtf8(key).c_str() : "", text.c_str());
    }
    return 0;
}
