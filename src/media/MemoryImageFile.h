#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>
#include "core/WideString.h"

/// A decoded picture in memory: 32-bit ARGB pixels, top row first. Reads TGA (plain and
/// run-length, 24 and 32 bits, either origin), BMP (24 and 32 bits) and JPEG; writes JPEG and TGA.
class MemoryImageFile {
public:
    /// The largest width and height decoded when the renderer tells no limit of its own.
    static constexpr int MAXDIMENSION = 8192;

    /// Decodes by content (not by name); a corrupt or unsupported file gives nothing and
    /// a one-line reason in `error`. Never reads outside `bytes`. A picture wider or taller
    /// than `maxDimension`, or whose data cannot fill its declared size, is refused before
    /// its pixels are allocated.
    static std::optional<MemoryImageFile> decode(std::span<const uint8_t> bytes, std::string& error,
                                                 int maxDimension = MAXDIMENSION);

    MemoryImageFile(int width, int height);

    /// JPEG bytes of the picture (alpha dropped), quality 1..100.
    std::vector<uint8_t> encodeJpeg(int quality) const;
    /// Run-length 32-bit TGA bytes of the picture, top row first, alpha kept.
    std::vector<uint8_t> encodeTga() const;

    uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }

    int width = 0;
    int height = 0;
    bool bHasAlpha = false;
    std::vector<uint32_t> pixels;
};
