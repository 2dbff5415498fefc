#pragma once
#include <cstdint>
#include <initializer_list>
#include <span>
#include <type_traits>
#include "core/WideString.h"

/// One value handed to the printf-style formatter; remembers its kind so that a
/// placeholder of the wrong kind fails cleanly instead of reading garbage.
class FormatArg {
public:
    enum class Kind { Integer, Real, Char, Text };

    template <class T>
        requires(std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, char16_t>)
    FormatArg(T value) : kind(Kind::Integer), integer(static_cast<int64_t>(value)), bits(sizeof(T) * 8) {}
    FormatArg(bool value) : kind(Kind::Integer), integer(value ? 1 : 0), bits(32) {}
    FormatArg(double value) : kind(Kind::Real), real(value) {}
    FormatArg(float value) : kind(Kind::Real), real(value) {}
    FormatArg(char16_t value) : kind(Kind::Char), integer(value), bits(16) {}
    FormatArg(const char16_t* value) : kind(Kind::Text), text(value ? value : u""), bNullText(value == nullptr) {}
    FormatArg(WideStringView value) : kind(Kind::Text), text(value) {}
    FormatArg(const WideString& value) : kind(Kind::Text), text(value) {}

    Kind kind;
    int64_t integer = 0;
    int bits = 0;  // width of the original integer type, for %u and %x of negative values
    double real = 0.0;
    WideStringView text;
    bool bNullText = false;
};

/// The largest result, in UTF-16 units including the terminator; anything longer fails.
constexpr std::size_t FORMAT_BUFFER_UNITS = 65536;

/// Formats into `dest`, replacing its contents. Supports %s (wide text), %d %i %u %x %X %c
/// %f %e %g with flags (- 0 + space #), width, precision and the length letters h l ll L,
/// and %%. On any failure (unknown conversion, missing or wrong-kind argument, a result of
/// FORMAT_BUFFER_UNITS or more) `dest` becomes "<XXX>" and the result is false.
bool formatIntoArgs(WideString& dest, WideStringView format, std::span<const FormatArg> args);

template <class... Args>
bool formatInto(WideString& dest, WideStringView format, const Args&... args) {
    const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
    return formatIntoArgs(dest, format, std::span<const FormatArg>(list, sizeof...(Args)));
}

template <class... Args>
WideString stringf(WideStringView format, const Args&... args) {
    WideString out;
    formatInto(out, format, args...);
    return out;
}
