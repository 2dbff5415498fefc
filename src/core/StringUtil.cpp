#include "core/StringUtil.h"
#include <algorithm>
#include <optional>
#include <span>

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

namespace {

constexpr char32_t REPLACEMENT = 0xFFFD;

// Decodes one UTF-8 sequence at `i`, advancing `i` past what it read; nullopt for a bad
// sequence, of which a bad lead byte or a cut sequence consumes one byte.
std::optional<char32_t> decodeUtf8(std::string_view bytes, std::size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i++]);
    if (lead < 0x80) return lead;
    int extra;
    char32_t value;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) { extra = 1; value = lead & 0x1F; minimum = 0x80; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; value = lead & 0x0F; minimum = 0x800; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; value = lead & 0x07; minimum = 0x10000; }
    else return std::nullopt;
    const std::size_t start = i;
    for (int k = 0; k < extra; ++k) {
        if (i >= bytes.size() || (static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) {
            i = start;
            return std::nullopt;
        }
        value = (value << 6) | (static_cast<unsigned char>(bytes[i++]) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return std::nullopt;
    return value;
}

// A byte of a file name that is no part of valid UTF-8 (always 0x80..0xFF) stands for itself as
// a lone low surrogate, which valid UTF-8 never decodes to.
constexpr char16_t ESCAPED_BYTE_BASE = 0xDC00;
bool isEscapedByte(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

template <class Char>
bool isBlank(Char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

template <class View>
View trimView(View text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// Unicode's White_Space and Default_Ignorable_Code_Point code points, merged, in order.
struct CodePointRange {
    char32_t first;
    char32_t last;
};
constexpr CodePointRange INVISIBLE_RANGES[] = {
    {0x0009, 0x000D},   {0x0020, 0x0020},   {0x0085, 0x0085},   {0x00A0, 0x00A0},   {0x00AD, 0x00AD},
    {0x034F, 0x034F},   {0x061C, 0x061C},   {0x115F, 0x1160},   {0x1680, 0x1680},   {0x17B4, 0x17B5},
    {0x180B, 0x180F},   {0x2000, 0x200F},   {0x2028, 0x202F},   {0x205F, 0x206F},   {0x3000, 0x3000},
    {0x3164, 0x3164},   {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFF8},
    {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};
constexpr bool isAscending(std::span<const CodePointRange> ranges) {
    for (std::size_t i = 0; i < ranges.size(); ++i)
        if (ranges[i].first > ranges[i].last || (i > 0 && ranges[i - 1].last >= ranges[i].first)) return false;
    return true;
}
static_assert(isAscending(INVISIBLE_RANGES), "the lookup stops at the first range past the code point");

// The code point that ends at `end` (a surrogate pair whole), moving `end` to its start.
char32_t previousCodePoint(WideStringView text, std::size_t& end) {
    std::size_t start = end - 1;
    if (start > 0 && isLowSurrogate(text[start]) && isHighSurrogate(text[start - 1])) --start;
    std::size_t at = start;
    end = start;
    return nextCodePoint(text, at);
}

template <class View>
View fileNameOf(View path) {
    const std::size_t slash = path.find_last_of(typename View::value_type('/'));
    const std::size_t backslash = path.find_last_of(typename View::value_type('\\'));
    std::size_t cut = View::npos;
    if (slash != View::npos) cut = slash;
    if (backslash != View::npos && (cut == View::npos || backslash > cut)) cut = backslash;
    return cut == View::npos ? path : path.substr(cut + 1);
}

}  // namespace

WideString fromUtf8(std::string_view bytes) {
    WideString out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) appendCodePoint(out, decodeUtf8(bytes, i).value_or(REPLACEMENT));
    return out;
}

std::string toUtf8(WideStringView text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) appendUtf8(out, nextCodePoint(text, i));
    return out;
}

WideString fromFileName(std::string_view bytes) {
    WideString out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        if (const std::optional<char32_t> codePoint = decodeUtf8(bytes, i)) {
            appendCodePoint(out, *codePoint);
        } else {
            out.push_back(static_cast<char16_t>(ESCAPED_BYTE_BASE + static_cast<unsigned char>(bytes[start])));
            i = start + 1;
        }
    }
    return out;
}

std::string toFileName(WideStringView path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size();) {
        if (isEscapedByte(path[i]))
            out.push_back(static_cast<char>(path[i++] - ESCAPED_BYTE_BASE));
        else
            appendUtf8(out, nextCodePoint(path, i));
    }
    return out;
}

char32_t nextCodePoint(WideStringView text, std::size_t& i) {
    const char32_t unit = text[i++];
    if (isHighSurrogate(unit)) {
        if (i < text.size() && isLowSurrogate(text[i])) {
            const char32_t low = text[i++];
            return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        }
        return REPLACEMENT;
    }
    return isLowSurrogate(unit) ? REPLACEMENT : unit;
}

void appendCodePoint(WideString& out, char32_t cp) {
    if (cp >= 0x10000 && cp <= 0x10FFFF) {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
        out.push_back(cp > 0x10FFFF ? static_cast<char16_t>(REPLACEMENT) : static_cast<char16_t>(cp));
    }
}

WideString trim(WideStringView text) { return WideString(trimView(text)); }
std::string trim(std::string_view text) { return std::string(trimView(text)); }

bool isInvisible(char32_t codePoint) {
    for (const CodePointRange& range : INVISIBLE_RANGES) {
        if (codePoint < range.first) return false;
        if (codePoint <= range.last) return true;
    }
    return false;
}

WideString trimInvisible(WideStringView text) {
    std::size_t begin = 0, end = text.size();
    for (std::size_t next = begin; begin < end && isInvisible(nextCodePoint(text, next));) begin = next;
    for (std::size_t previous = end; end > begin && isInvisible(previousCodePoint(text, previous));)
        end = previous;
    return WideString(text.substr(begin, end - begin));
}
WideStringView fileNamePart(WideStringView path) { return fileNameOf(path); }
std::string_view fileNamePart(std::string_view path) { return fileNameOf(path); }

std::vector<WideString> splitLines(WideStringView text) {
    const std::vector<WideStringView> views = splitLineViews(text);
    return {views.begin(), views.end()};
}

std::vector<WideStringView> splitLineViews(WideStringView text) {
    std::vector<WideStringView> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), u'\n')) + 1);
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(u'\n', start);
        const bool bLast = end == WideStringView::npos;
        if (bLast) end = text.size();
        WideStringView line = text.substr(start, end - start);
        if (!bLast && !line.empty() && line.back() == u'\r') line.remove_suffix(1);
        if (bLast && line.empty() && start > 0) break;  // a final line feed opens no extra line
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

WideString toLowerAscii(WideStringView text) {
    WideString out(text);
    for (char16_t& c : out)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return out;
}
