#include "core/Format.h"
#include <cstdio>
#include <optional>

namespace {

const char16_t FAILED_TEXT[] = u"<XXX>";

struct Placeholder {
    bool bLeft = false, bZero = false, bPlus = false, bSpace = false, bAlternate = false;
    int width = 0;
    int precision = -1;
    char16_t conversion = 0;
};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int readNumber(WideStringView format, std::size_t& i) {
    int value = 0;
    while (i < format.size() && isDigit(format[i])) {
        value = value * 10 + (format[i] - u'0');
        if (value > 100000) value = 100000;  // absurd widths fail later on the size limit
        ++i;
    }
    return value;
}

// Parses the placeholder after a '%'; `i` ends past the conversion letter.
std::optional<Placeholder> parsePlaceholder(WideStringView format, std::size_t& i) {
    Placeholder placeholder;
    for (; i < format.size(); ++i) {
        const char16_t c = format[i];
        if (c == u'-') placeholder.bLeft = true;
        else if (c == u'0') placeholder.bZero = true;
        else if (c == u'+') placeholder.bPlus = true;
        else if (c == u' ') placeholder.bSpace = true;
        else if (c == u'#') placeholder.bAlternate = true;
        else break;
    }
    placeholder.width = readNumber(format, i);
    if (i < format.size() && format[i] == u'.') {
        ++i;
        placeholder.precision = readNumber(format, i);
    }
    while (i < format.size() && (format[i] == u'h' || format[i] == u'l' || format[i] == u'L'))
        ++i;
    if (i >= format.size()) return std::nullopt;
    placeholder.conversion = format[i++];
    return placeholder;
}

void appendAscii(WideString& out, const char* text) {
    for (; *text; ++text) out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
}

void appendPadded(WideString& out, WideStringView body, const Placeholder& placeholder, bool bNumeric) {
    const std::size_t width = static_cast<std::size_t>(placeholder.width);
    if (body.size() >= width) {
        out.append(body);
        return;
    }
    const std::size_t pad = width - body.size();
    if (placeholder.bLeft) {
        out.append(body);
        out.append(pad, u' ');
    } else if (placeholder.bZero && bNumeric) {
        // Zeros go after a sign or a 0x prefix.
        std::size_t signLength = 0;
        if (!body.empty() && (body[0] == u'-' || body[0] == u'+' || body[0] == u' ')) signLength = 1;
        if (body.size() >= signLength + 2 && body[signLength] == u'0' &&
            (body[signLength + 1] == u'x' || body[signLength + 1] == u'X'))
            signLength += 2;
        out.append(body.substr(0, signLength));
        out.append(pad, u'0');
        out.append(body.substr(signLength));
    } else {
        out.append(pad, u' ');
        out.append(body);
    }
}

uint64_t asUnsigned(const FormatArg& arg) {
    const uint64_t raw = static_cast<uint64_t>(arg.integer);
    return arg.bits >= 64 ? raw : raw & ((uint64_t(1) << arg.bits) - 1);
}

bool formatInteger(WideString& out, const Placeholder& placeholder, const FormatArg& arg) {
    if (arg.kind != FormatArg::Kind::Integer && arg.kind != FormatArg::Kind::Char) return false;
    char digits[80];
    const char16_t c = placeholder.conversion;
    if (c == u'd' || c == u'i') {
        const long long value = arg.integer;
        std::snprintf(digits, sizeof digits, placeholder.bPlus ? "%+lld" : (placeholder.bSpace ? "% lld" : "%lld"), value);
    } else {
        const unsigned long long value = asUnsigned(arg);
        const char* pattern = c == u'u' ? "%llu" : (c == u'x' ? (placeholder.bAlternate ? "%#llx" : "%llx")
                                                               : (placeholder.bAlternate ? "%#llX" : "%llX"));
        std::snprintf(digits, sizeof digits, pattern, value);
    }
    WideString body;
    appendAscii(body, digits);
    if (placeholder.precision >= 0) {
        // Precision on integers is a minimum digit count.
        const bool bSigned = !body.empty() && (body[0] == u'-' || body[0] == u'+' || body[0] == u' ');
        const std::size_t digitCount = body.size() - (bSigned ? 1 : 0);
        if (digitCount < static_cast<std::size_t>(placeholder.precision))
            body.insert(bSigned ? 1 : 0, static_cast<std::size_t>(placeholder.precision) - digitCount, u'0');
    }
    Placeholder padding = placeholder;
    padding.bZero = placeholder.bZero && placeholder.precision < 0;
    appendPadded(out, body, padding, true);
    return true;
}

bool formatReal(WideString& out, const Placeholder& placeholder, const FormatArg& arg) {
    if (arg.kind != FormatArg::Kind::Real) return false;
    char pattern[16] = "%";
    std::size_t n = 1;
    if (placeholder.bPlus) pattern[n++] = '+';
    if (placeholder.bSpace) pattern[n++] = ' ';
    if (placeholder.bAlternate) pattern[n++] = '#';
    pattern[n++] = '.';
    pattern[n++] = '*';
    pattern[n++] = static_cast<char>(placeholder.conversion);
    pattern[n] = 0;
    char digits[512];
    const int precision = placeholder.precision < 0 ? 6 : std::min(placeholder.precision, 100);
    const int length = std::snprintf(digits, sizeof digits, pattern, precision, arg.real);
    if (length < 0 || static_cast<std::size_t>(length) >= sizeof digits) return false;
    WideString body;
    appendAscii(body, digits);
    appendPadded(out, body, placeholder, true);
    return true;
}

bool formatText(WideString& out, const Placeholder& placeholder, const FormatArg& arg) {
    if (arg.kind != FormatArg::Kind::Text || arg.bNullText) return false;
    WideStringView text = arg.text;
    if (placeholder.precision >= 0 && text.size() > static_cast<std::size_t>(placeholder.precision))
        text = text.substr(0, static_cast<std::size_t>(placeholder.precision));
    appendPadded(out, text, placeholder, false);
    return true;
}

bool formatChar(WideString& out, const Placeholder& placeholder, const FormatArg& arg) {
    if (arg.kind != FormatArg::Kind::Char && arg.kind != FormatArg::Kind::Integer) return false;
    const char16_t unit = static_cast<char16_t>(arg.integer);
    appendPadded(out, WideStringView(&unit, 1), placeholder, false);
    return true;
}

bool formatOne(WideString& out, const Placeholder& placeholder, const FormatArg& arg) {
    switch (placeholder.conversion) {
    case u'd': case u'i': case u'u': case u'x': case u'X':
        return formatInteger(out, placeholder, arg);
    case u'f': case u'F': case u'e': case u'E': case u'g': case u'G':
        return formatReal(out, placeholder, arg);
    case u's':
        return formatText(out, placeholder, arg);
    case u'c':
        return formatChar(out, placeholder, arg);
    default:
        return false;
    }
}

bool formatAll(WideString& out, WideStringView format, std::span<const FormatArg> args) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < format.size();) {
        const char16_t c = format[i++];
        if (c != u'%') {
            out.push_back(c);
        } else if (i < format.size() && format[i] == u'%') {
            out.push_back(u'%');
            ++i;
        } else {
            const std::optional<Placeholder> placeholder = parsePlaceholder(format, i);
            if (!placeholder || next >= args.size() || !formatOne(out, *placeholder, args[next++])) return false;
        }
        if (out.size() >= FORMAT_BUFFER_UNITS) return false;
    }
    return true;
}

}  // namespace

bool formatIntoArgs(WideString& dest, WideStringView format, std::span<const FormatArg> args) {
    WideString out;
    out.reserve(format.size() + 16);
    if (!formatAll(out, format, args)) {
        dest = FAILED_TEXT;
        return false;
    }
    dest = std::move(out);
    return true;
}
