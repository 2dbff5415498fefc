#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>
#include "core/WideString.h"

/// A block of bytes on the heap, such as a reply body; at most 4 GiB - 1 long.
class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(std::vector<uint8_t> contents);
    ByteBuffer(const void* data, std::size_t size);

    const uint8_t* data() const { return bytes.data(); }
    uint32_t size() const { return static_cast<uint32_t>(bytes.size()); }
    bool empty() const { return bytes.empty(); }

    /// The bytes as text: UTF-16LE after an FF FE mark, else UTF-8 (an EF BB BF mark is
    /// dropped). Malformed sequences and a dangling odd byte become U+FFFD.
    WideString toWideString() const;

private:
    std::vector<uint8_t> bytes;
};
