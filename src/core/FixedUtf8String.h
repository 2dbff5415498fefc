#pragma once
#include <array>
#include <cstddef>
#include <cstring>
#include "core/StringUtil.h"

/// A UTF-8 text field of fixed size inside a stored record. `set` keeps whole characters:
/// while the text with its terminating NUL does not fit, the last character is dropped.
template <std::size_t N>
struct FixedUtf8String {
    static_assert(N == 16 || N == 32 || N == 256, "stored records use 16, 32 or 256 bytes");
    std::array<char, N> bytes{};

    void set(WideStringView text) {
        std::string encoded = toUtf8(text);
        std::size_t length = text.size();
        while (encoded.size() + 1 > N) {
            // Drop one character; a surrogate pair goes as a whole, never half of it.
            --length;
            if (length > 0 && isLowSurrogate(text[length]) && isHighSurrogate(text[length - 1])) --length;
            encoded = toUtf8(text.substr(0, length));
        }
        bytes.fill(0);
        std::memcpy(bytes.data(), encoded.data(), encoded.size());
    }

    /// The text up to the first NUL; a field without one is read to its end.
    WideString get() const {
        const void* end = std::memchr(bytes.data(), 0, N);
        const std::size_t length = end ? static_cast<const char*>(end) - bytes.data() : N;
        return fromUtf8(std::string_view(bytes.data(), length));
    }
};
static_assert(sizeof(FixedUtf8String<32>) == 32);
