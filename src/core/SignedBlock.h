#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>
#include "core/FixedUtf8String.h"
#include "core/WideString.h"

/// Signed compressed data files, the form of every record the game keeps between runs.
///
/// Layout (little-endian):
///   offset  size  field
///        0    32  build identifier, UTF-8, NUL-padded
///       32    16  version text, UTF-8, NUL-padded
///       48    16  MD5 digest (below)
///       64     4  u32 size of the payload before compression
///       68     n  zlib stream (RFC 1950) of the payload, to the end of the file
///
/// The digest is MD5 over: the first 48 header bytes, the UTF-8 file name (no folder) and a NUL,
/// the UTF-8 key text and a NUL, the 4 size bytes, then the uncompressed payload. A file renamed,
/// written for another key, edited or cut short therefore fails the check.
struct SignedBlockHeader {
    FixedUtf8String<32> buildId;
    FixedUtf8String<16> version;
    uint8_t digest[16];
    uint32_t payloadSize;
};
static_assert(sizeof(SignedBlockHeader) == 68);
static_assert(offsetof(SignedBlockHeader, digest) == 48);
static_assert(offsetof(SignedBlockHeader, payloadSize) == 64);

/// The whole file for `payload`, stamped with this build's identifier and version.
std::vector<uint8_t> encodeSignedBlock(std::span<const uint8_t> payload, WideStringView fileName,
                                       WideStringView keyText);

/// Checks `file` and fills `out` with its payload. Only when the payload size equals
/// `out.size()`, the stream inflates to exactly that size and the digest matches is `out`
/// written; otherwise `out` is untouched, `error` says why and the result is false.
bool decodeSignedBlock(std::span<const uint8_t> file, std::span<uint8_t> out, WideStringView fileName,
                       WideStringView keyText, WideString& error);
