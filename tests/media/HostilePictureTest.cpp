#include <gtest/gtest.h>
#include <algorithm>
#include "FileTestSupport.h"
#include "GraphicsTestSupport.h"
#include "TempDataHome.h"
#include "core/FileManager.h"
#include "core/StringUtil.h"
#include "core/WadWriter.h"
#include "media/MemoryImageFile.h"
#include "media/Texture.h"

namespace {

using Bytes = std::vector<uint8_t>;

// A run-length TGA of one pixel (23 bytes) whose header then claims another size.
Bytes tgaClaiming(int width, int height, uint8_t type = 10) {
    Bytes tga = MemoryImageFile(1, 1).encodeTga();
    tga[2] = type;
    tga[12] = static_cast<uint8_t>(width), tga[13] = static_cast<uint8_t>(width >> 8);
    tga[14] = static_cast<uint8_t>(height), tga[15] = static_cast<uint8_t>(height >> 8);
    return tga;
}

Bytes bmpHeaderClaiming(uint32_t width, uint32_t height) {
    Bytes bmp(54, 0);
    bmp[0] = 'B', bmp[1] = 'M', bmp[10] = 54, bmp[14] = 40, bmp[28] = 24;
    for (int i = 0; i < 4; ++i) {
        bmp[18 + i] = static_cast<uint8_t>(width >> (8 * i));
        bmp[22 + i] = static_cast<uint8_t>(height >> (8 * i));
    }
    return bmp;
}

// An 8 by 8 JPEG whose frame header then claims another size.
Bytes jpegClaiming(int width, int height) {
    Bytes jpeg = MemoryImageFile(8, 8).encodeJpeg(80);
    const Bytes frameMarker = {0xFF, 0xC0};
    const auto frame = std::search(jpeg.begin(), jpeg.end(), frameMarker.begin(), frameMarker.end());
    const auto at = static_cast<std::size_t>(frame - jpeg.begin()) + 5; // marker, length, precision
    jpeg[at] = static_cast<uint8_t>(height >> 8), jpeg[at + 1] = static_cast<uint8_t>(height);
    jpeg[at + 2] = static_cast<uint8_t>(width >> 8), jpeg[at + 3] = static_cast<uint8_t>(width);
    return jpeg;
}

} // namespace

TEST(HostilePictures, OversizeHeadersAreRefusedBeforeThePixelsAreAllocated) {
    const struct {
        const char* name;
        Bytes bytes;
        int maxDimension;
        const char* reason;
    } cases[] = {
        {"23-byte run-length TGA of 16384 x 16384", tgaClaiming(16384, 16384), 65535, "too little data"},
        {"the same beyond the renderer's largest", tgaClaiming(16384, 16384), 8192,
         "bad TGA size 16384 x 16384"},
        {"plain TGA of 4000 x 4000 with one pixel", tgaClaiming(4000, 4000, 2), 8192, "too little data"},
        {"whole small TGA over a small limit", MemoryImageFile(100, 10).encodeTga(), 64,
         "bad TGA size 100 x 10"},
        {"BMP wider than the renderer's largest", bmpHeaderClaiming(9000, 1), 8192, "bad BMP size 9000 x 1"},
        {"BMP of 4000 x 4000 without pixels", bmpHeaderClaiming(4000, 4000), 8192, "too little data"},
        {"JPEG of 16000 x 16000 from 8 x 8 data", jpegClaiming(16000, 16000), 8192, "more than the largest"},
        {"JPEG of 4000 x 4000 from 8 x 8 data", jpegClaiming(4000, 4000), 8192, "too little data"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(MemoryImageFile::decode(c.bytes, error, c.maxDimension)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    }
}

TEST(HostilePictures, AnythingStartingLikeAJpegIsReadAsOneAndMustBeWhole) {
    MemoryImageFile picture(64, 64);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i)
        picture.pixels[i] = 0xFF000000u | uint32_t(i * 2654435761u);
    const Bytes whole = picture.encodeJpeg(90);
    const std::pair<const char*, Bytes> cases[] = {
        {"garbage after a start-of-image marker",
         {0xFF, 0xD8, 0x13, 0x37, 0x00, 0x42, 0x99, 0x01, 0x02, 0x03}},
        {"cut in the middle of its data",
         Bytes(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2))},
    };
    for (const auto& [name, bytes] : cases) {
        std::string error;
        EXPECT_FALSE(MemoryImageFile::decode(bytes, error)) << name;
        EXPECT_TRUE(error.starts_with("bad JPEG: ")) << name << ": " << error;
    }
    std::string error;
    EXPECT_TRUE(MemoryImageFile::decode(whole, error)) << error;
}

TEST(HostilePicturesDeathTest, TextureErrorsNameTheArchiveAndTheEntry) {
    TempDataHome home;
    const std::string archive = (home.path() / "game.dat").string();
    WadWriter writer(1);
    WideString error;
    const std::string frames = "[Skin 0]\nwidth=32\nheight=32\n";
    ASSERT_TRUE(writer.addEntry(u"bad.tga", {0x00, 0x00, 0x03, 0x01}, error));
    ASSERT_TRUE(writer.addEntry(u"framed.tga", MemoryImageFile(16, 16).encodeTga(), error));
    ASSERT_TRUE(writer.addEntry(u"framed.ini", Bytes(frames.begin(), frames.end()), error));
    ASSERT_TRUE(writer.write(fromUtf8(archive), error));
    const std::pair<const char16_t*, std::string> cases[] = {
        {u"bad.tga", "Could not read texture 'bad.tga' in the archive '" + archive + "': "},
        {u"framed.tga", "Bad frame list 'framed.ini' in the archive '" + archive + "': "},
        {u"gone.tga", "Could not open texture 'gone.tga' (in none of the archives '" + archive + "')."},
    };
    for (const auto& [entry, message] : cases) {
        EXPECT_DEATH(
            {
                GraphicsFixture fixture;
                FileManager files;
                files.useWad(fromUtf8(archive));
                Texture texture(entry, 0);
            },
            literalPattern(message));
    }
}
