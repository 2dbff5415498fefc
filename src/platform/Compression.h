#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

/// The zlib format (RFC 1950) through zlib and Zopfli; the only place that includes their headers.
namespace platform {

/// Inflates one whole zlib stream into `out`. True only when the stream is valid, ends exactly at
/// the end of `in` and yields exactly `out.size()` bytes; never writes past `out`.
bool inflateZlib(std::span<const uint8_t> in, std::span<uint8_t> out);
/// The largest zlib stream that `size` input bytes can compress into at any level.
std::size_t zlibCompressBound(std::size_t size);
/// A zlib stream of `in` at zlib's best level; fast, for files written while the game runs.
std::vector<uint8_t> compressZlib(std::span<const uint8_t> in);
/// A zlib stream of `in` made by Zopfli: smaller but far slower, for archives built offline.
/// More `iterations` squeeze harder (Zopfli's default is 15).
std::vector<uint8_t> compressZopfli(std::span<const uint8_t> in, int iterations = 15);

}  // namespace platform
