#include "platform/Compression.h"
#include <cstdlib>
#include <limits>
#include <zlib.h>
#include <zopfli/zopfli.h>

namespace platform {

namespace {

/// zlib counts in `uInt`; larger blocks are refused rather than cut.
constexpr std::size_t ZLIB_MAX_BLOCK = std::numeric_limits<uInt>::max();

struct InflateStream {
    z_stream stream{};
    bool bReady = false;
    InflateStream() { bReady = inflateInit(&stream) == Z_OK; }
    ~InflateStream() {
        if (bReady) inflateEnd(&stream);
    }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
};

}  // namespace

bool inflateZlib(std::span<const uint8_t> in, std::span<uint8_t> out) {
    if (in.size() > ZLIB_MAX_BLOCK || out.size() > ZLIB_MAX_BLOCK) return false;
    InflateStream z;
    if (!z.bReady) return false;
    z.stream.next_in = const_cast<Bytef*>(in.data());
    z.stream.avail_in = static_cast<uInt>(in.size());
    // A spare byte beyond `out` shows a stream that is longer than announced.
    uint8_t spare = 0;
    z.stream.next_out = out.empty() ? &spare : out.data();
    z.stream.avail_out = static_cast<uInt>(out.size());
    int result = Z_OK;
    while (result == Z_OK) {
        if (z.stream.avail_out == 0) {
            if (z.stream.next_out == &spare + 1) return false;
            z.stream.next_out = &spare;
            z.stream.avail_out = 1;
        }
        result = inflate(&z.stream, Z_NO_FLUSH);
    }
    const bool bWroteSpare = z.stream.next_out == &spare + 1;
    return result == Z_STREAM_END && !bWroteSpare && z.stream.avail_in == 0 &&
           z.stream.total_out == out.size();
}

std::size_t zlibCompressBound(std::size_t size) { return compressBound(static_cast<uLong>(size)); }

std::vector<uint8_t> compressZlib(std::span<const uint8_t> in) {
    uLongf length = compressBound(static_cast<uLong>(in.size()));
    std::vector<uint8_t> out(length);
    const int result =
        compress2(out.data(), &length, in.data(), static_cast<uLong>(in.size()), Z_BEST_COMPRESSION);
    if (result != Z_OK) return {};
    out.resize(length);
    return out;
}

std::vector<uint8_t> compressZopfli(std::span<const uint8_t> in, int iterations) {
    ZopfliOptions options;
    ZopfliInitOptions(&options);
    options.numiterations = iterations;
    unsigned char* data = nullptr;
    std::size_t size = 0;
    ZopfliCompress(&options, ZOPFLI_FORMAT_ZLIB, in.data(), in.size(), &data, &size);
    std::vector<uint8_t> out(data, data + size);
    std::free(data);
    return out;
}

}  // namespace platform
