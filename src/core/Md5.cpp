#include "core/Md5.h"
#include <algorithm>
#include <cstring>

namespace {

// Per-round shift amounts and the sine-derived constants of RFC 1321.
constexpr uint32_t SHIFTS[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                                 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                                 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                                 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

constexpr uint32_t SINES[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

uint32_t rotateLeft(uint32_t value, uint32_t bits) { return (value << bits) | (value >> (32 - bits)); }

void transform(uint32_t state[4], const uint8_t block[64]) {
    uint32_t words[16];
    for (int i = 0; i < 16; ++i)
        words[i] = uint32_t(block[i * 4]) | uint32_t(block[i * 4 + 1]) << 8 |
                   uint32_t(block[i * 4 + 2]) << 16 | uint32_t(block[i * 4 + 3]) << 24;
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        uint32_t mix;
        int index;
        if (i < 16) {
            mix = (b & c) | (~b & d);
            index = i;
        } else if (i < 32) {
            mix = (d & b) | (~d & c);
            index = (5 * i + 1) % 16;
        } else if (i < 48) {
            mix = b ^ c ^ d;
            index = (3 * i + 5) % 16;
        } else {
            mix = c ^ (b | ~d);
            index = (7 * i) % 16;
        }
        const uint32_t next = b + rotateLeft(a + mix + SINES[i] + words[index], SHIFTS[i]);
        a = d;
        d = c;
        c = b;
        b = next;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
}

}  // namespace

void md5Update(Md5Context& context, const void* data, std::size_t size) {
    if (size == 0) return;
    const auto* bytes = static_cast<const uint8_t*>(data);
    std::size_t used = static_cast<std::size_t>(context.byteCount % 64);
    context.byteCount += size;
    if (used > 0) {
        const std::size_t take = std::min(size, 64 - used);
        std::memcpy(context.pending + used, bytes, take);
        bytes += take;
        size -= take;
        used += take;
        if (used < 64) return;
        transform(context.state, context.pending);
    }
    for (; size >= 64; bytes += 64, size -= 64) transform(context.state, bytes);
    if (size > 0) std::memcpy(context.pending, bytes, size);
}

Md5Digest md5Final(Md5Context& context) {
    const uint64_t bitCount = context.byteCount * 8;
    const std::size_t used = static_cast<std::size_t>(context.byteCount % 64);
    // Pad with 0x80 and zeros up to 56 bytes modulo 64, then the message length in bits.
    uint8_t padding[72] = {0x80};
    const std::size_t padLength = used < 56 ? 56 - used : 120 - used;
    md5Update(context, padding, padLength);
    uint8_t length[8];
    for (int i = 0; i < 8; ++i) length[i] = static_cast<uint8_t>(bitCount >> (8 * i));
    md5Update(context, length, sizeof length);
    Md5Digest digest;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) digest[i * 4 + j] = static_cast<uint8_t>(context.state[i] >> (8 * j));
    return digest;
}

Md5Digest md5Digest(const void* data, std::size_t size) {
    Md5Context context;
    md5Update(context, data, size);
    return md5Final(context);
}

bool md5Equals(std::span<const uint8_t, 16> a, std::span<const uint8_t, 16> b) {
    return std::memcmp(a.data(), b.data(), 16) == 0;
}
