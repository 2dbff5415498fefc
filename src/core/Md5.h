#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

/// MD5 message digest (RFC 1321): one-shot and incremental.
using Md5Digest = std::array<uint8_t, 16>;

/// Running state of an incremental digest; a default-constructed context is ready for use.
struct Md5Context {
    uint32_t state[4] = {0x67452301u, 0xefcdab89u, 0x98badcfeu, 0x10325476u};
    uint64_t byteCount = 0;
    uint8_t pending[64] = {};
};

void md5Update(Md5Context& context, const void* data, std::size_t size);
/// The digest of everything fed so far; the context must not be updated afterwards.
Md5Digest md5Final(Md5Context& context);
Md5Digest md5Digest(const void* data, std::size_t size);
/// True when all 16 bytes match (stored digests are plain 16-byte fields).
bool md5Equals(std::span<const uint8_t, 16> a, std::span<const uint8_t, 16> b);
