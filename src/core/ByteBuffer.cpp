#include "core/ByteBuffer.h"
#include <cstring>
#include <limits>
#include <string_view>
#include "core/ErrorManager.h"
#include "core/StringUtil.h"

namespace {

constexpr uint8_t UTF8_MARK[] = {0xEF, 0xBB, 0xBF};
constexpr uint8_t UTF16LE_MARK[] = {0xFF, 0xFE};

template <std::size_t N>
bool startsWith(const std::vector<uint8_t>& bytes, const uint8_t (&mark)[N]) {
    return bytes.size() >= N && std::memcmp(bytes.data(), mark, N) == 0;
}

// A lone surrogate half is as malformed as a bad UTF-8 sequence.
WideString decodeUtf16Le(const uint8_t* data, std::size_t size) {
    WideString units;
    units.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    WideString text;
    text.reserve(units.size() + 1);
    for (std::size_t i = 0; i < units.size();)
        appendCodePoint(text, nextCodePoint(units, i));
    if (size % 2 != 0) text.push_back(u'\uFFFD');
    return text;
}

std::string_view asChars(const uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace

ByteBuffer::ByteBuffer(std::vector<uint8_t> contents) : bytes(std::move(contents)) {
    VEK_ASSERT(bytes.size() <= std::numeric_limits<uint32_t>::max());
}

ByteBuffer::ByteBuffer(const void* data, std::size_t size)
    : ByteBuffer(std::vector<uint8_t>(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size)) {}

WideString ByteBuffer::toWideString() const {
    if (startsWith(bytes, UTF16LE_MARK))
        return decodeUtf16Le(bytes.data() + sizeof UTF16LE_MARK, bytes.size() - sizeof UTF16LE_MARK);
    if (startsWith(bytes, UTF8_MARK))
        return fromUtf8(asChars(bytes.data() + sizeof UTF8_MARK, bytes.size() - sizeof UTF8_MARK));
    return fromUtf8(asChars(bytes.data(), bytes.size()));
}
