#include <gtest/gtest.h>
#include <algorithm>
#include "media/MemoryImageFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

// `bytes` with `size` bytes at `at` set to `value`, little-endian (or big-endian).
Bytes patched(Bytes bytes, std::size_t at, uint32_t value, int size, bool bBigEndian = false) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> 8 * (bBigEndian ? size - 1 - i : i));
    return bytes;
}

// A run-length TGA of one pixel (23 bytes) claiming another size.
Bytes tgaClaiming(int width, int height) {
    return patched(patched(MemoryImageFile(1, 1).encodeTga(), 12, width, 2), 14, height, 2);
}

// An 8 by 8 JPEG whose frame header claims another size.
Bytes jpegClaiming(int width, int height) {
    const Bytes jpeg = MemoryImageFile(8, 8).encodeJpeg(80), frame = {0xFF, 0xC0};
    const auto at = static_cast<std::size_t>(
        std::search(jpeg.begin(), jpeg.end(), frame.begin(), frame.end()) - jpeg.begin());
    return patched(patched(jpeg, at + 5, height, 2, true), at + 7, width, 2, true);
}

// Half of a JPEG of noise.
Bytes cutJpeg() {
    MemoryImageFile picture(64, 64);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = uint32_t(i * 2654435761u);
    const Bytes jpeg = picture.encodeJpeg(90);
    return Bytes(jpeg.begin(), jpeg.begin() + static_cast<long>(jpeg.size() / 2));
}

} // namespace

TEST(HostilePictures, OversizeOrCutPicturesAreRefusedBeforeThePixelsAreAllocated) {
    const struct {
        Bytes bytes;
        int maxDimension;
        const char* reason;
    } cases[] = {
        {tgaClaiming(16384, 16384), 65535, "TGA declares 16384 x 16384 pixels but holds too little data"},
        {tgaClaiming(16384, 16384), 8192, "bad TGA size 16384 x 16384"},
        {patched(tgaClaiming(4000, 4000), 2, 2, 1), 8192,
         "TGA declares 4000 x 4000 pixels but holds too little"},
        {MemoryImageFile(100, 10).encodeTga(), 64, "bad TGA size 100 x 10"},
        {jpegClaiming(16000, 16000), 8192, "declares 16000 x 16000 pixels, more than the largest"},
        {jpegClaiming(4000, 4000), 8192, "declares 4000 x 4000 pixels but holds too little"},
        {{0xFF, 0xD8, 0x13, 0x37, 0x00, 0x42}, 8192, "bad JPEG: "}, // garbage after a JPEG's first marker
        {cutJpeg(), 8192, "bad JPEG: Premature end of JPEG file"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(MemoryImageFile::decode(c.bytes, error, c.maxDimension)) << c.reason;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
}
