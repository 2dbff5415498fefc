#include "media/MemoryImageFile.h"
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, uint16_t v) { b.push_back(v & 0xFF); b.push_back(v >> 8); }
void put32(Bytes& b, uint32_t v) { for (int i = 0; i < 4; ++i) b.push_back((v >> (8 * i)) & 0xFF); }

Bytes tgaHeader(uint8_t type, int w, int h, int bits, uint8_t descriptor) {
    Bytes b = {0, 0, type, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    put16(b, static_cast<uint16_t>(w));
    put16(b, static_cast<uint16_t>(h));
    b.push_back(static_cast<uint8_t>(bits));
    b.push_back(descriptor);
    return b;
}

// Two by two: red, green on the top row; blue, white below.
const uint32_t TOPLEFT = 0xFFFF0000, TOPRIGHT = 0xFF00FF00, BOTTOMLEFT = 0xFF0000FF, BOTTOMRIGHT = 0xFFFFFFFF;

void putBgr(Bytes& b, uint32_t c, bool bAlpha) {
    b.push_back(c & 0xFF);
    b.push_back((c >> 8) & 0xFF);
    b.push_back((c >> 16) & 0xFF);
    if (bAlpha) b.push_back(c >> 24);
}

Bytes bottomUpTga(int bits) {
    Bytes b = tgaHeader(2, 2, 2, bits, bits == 32 ? 8 : 0);
    for (uint32_t c : {BOTTOMLEFT, BOTTOMRIGHT, TOPLEFT, TOPRIGHT}) putBgr(b, c, bits == 32);
    return b;
}

Bytes bmp(int bits, bool bTopDown) {
    const std::size_t stride = (2 * bits / 8 + 3) & ~3u;
    Bytes b = {'B', 'M'};
    put32(b, static_cast<uint32_t>(54 + stride * 2));
    put32(b, 0);
    put32(b, 54);
    put32(b, 40);
    put32(b, 2);
    put32(b, bTopDown ? static_cast<uint32_t>(-2) : 2u);
    put16(b, 1);
    put16(b, static_cast<uint16_t>(bits));
    for (int i = 0; i < 6; ++i) put32(b, 0);
    const uint32_t rows[2][2] = {{BOTTOMLEFT, BOTTOMRIGHT}, {TOPLEFT, TOPRIGHT}};
    for (int r = 0; r < 2; ++r) {
        const auto& row = rows[bTopDown ? 1 - r : r];
        const std::size_t start = b.size();
        for (uint32_t c : row) putBgr(b, c & 0x00FFFFFF, bits == 32);
        while (b.size() - start < stride) b.push_back(0);
    }
    return b;
}

void expectQuadrants(const MemoryImageFile& image) {
    ASSERT_EQ(image.width, 2);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.at(0, 0), TOPLEFT);
    EXPECT_EQ(image.at(1, 0), TOPRIGHT);
    EXPECT_EQ(image.at(0, 1), BOTTOMLEFT);
    EXPECT_EQ(image.at(1, 1), BOTTOMRIGHT);
}

}  // namespace

TEST(MemoryImageFile, ReadsTgaAndBmpOfEveryKindAndOrigin) {
    std::string error;
    for (int bits : {24, 32}) {
        auto image = MemoryImageFile::decode(bottomUpTga(bits), error);
        ASSERT_TRUE(image) << error;
        expectQuadrants(*image);
        EXPECT_EQ(image->bHasAlpha, bits == 32);
    }
    Bytes topDown = tgaHeader(2, 2, 2, 24, 0x20);
    for (uint32_t c : {TOPLEFT, TOPRIGHT, BOTTOMLEFT, BOTTOMRIGHT}) putBgr(topDown, c, false);
    auto image = MemoryImageFile::decode(topDown, error);
    ASSERT_TRUE(image) << error;
    expectQuadrants(*image);

    // Run-length: a repeated run of two blues... then a literal run of two.
    Bytes rle = tgaHeader(10, 2, 2, 32, 0x28);
    rle.push_back(0x81);
    putBgr(rle, 0x800000FF, true);
    rle.push_back(0x01);
    putBgr(rle, TOPLEFT, true);
    putBgr(rle, TOPRIGHT, true);
    image = MemoryImageFile::decode(rle, error);
    ASSERT_TRUE(image) << error;
    EXPECT_EQ(image->at(0, 0), 0x800000FFu);
    EXPECT_EQ(image->at(1, 0), 0x800000FFu);
    EXPECT_EQ(image->at(1, 1), TOPRIGHT);
    for (int bits : {24, 32})
        for (bool bTopDown : {false, true}) {
            auto image = MemoryImageFile::decode(bmp(bits, bTopDown), error);
            ASSERT_TRUE(image) << error;
            expectQuadrants(*image);  // a zero fourth byte reads as opaque
        }
}

TEST(MemoryImageFile, RefusesCorruptFilesWithAReason) {
    const Bytes good = bottomUpTga(24);
    Bytes wideTga = tgaHeader(2, 60000, 60000, 24, 0);
    Bytes rleCut = tgaHeader(10, 4, 4, 24, 0);
    rleCut.push_back(0x8F);  // a run with no pixel behind it
    Bytes bmpCut = bmp(24, false);
    bmpCut.resize(bmpCut.size() - 3);
    Bytes bmpOffset = bmp(24, false);
    bmpOffset[10] = 0xFF;
    bmpOffset[11] = 0xFF;
    Bytes bmpPaletted = bmp(24, false);
    bmpPaletted[28] = 8;
    const std::pair<const char*, Bytes> cases[] = {
        {"empty", {}},
        {"short header", Bytes(good.begin(), good.begin() + 10)},
        {"pixels cut", Bytes(good.begin(), good.end() - 1)},
        {"colour-mapped", tgaHeader(1, 2, 2, 8, 0)},
        {"16-bit", tgaHeader(2, 2, 2, 16, 0)},
        {"zero width", tgaHeader(2, 0, 2, 24, 0)},
        {"huge", wideTga},
        {"run cut", rleCut},
        {"bmp cut", bmpCut},
        {"bmp offset past end", bmpOffset},
        {"bmp paletted", bmpPaletted},
        {"jpeg header only", {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10}},
    };
    for (const auto& [name, bytes] : cases) {
        std::string error;
        EXPECT_FALSE(MemoryImageFile::decode(bytes, error)) << name;
        EXPECT_FALSE(error.empty()) << name;
    }
}

TEST(MemoryImageFile, JpegRoundTripKeepsColours) {
    MemoryImageFile image(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) image.at(x, y) = x < 8 ? 0xFFE02020u : 0xFF2020E0u;
    const std::vector<uint8_t> jpeg = image.encodeJpeg(95);
    ASSERT_GT(jpeg.size(), 100u);
    std::string error;
    auto back = MemoryImageFile::decode(jpeg, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(back->width, 16);
    EXPECT_EQ(back->height, 8);
    const uint32_t left = back->at(2, 4), right = back->at(13, 4);
    EXPECT_NEAR(int((left >> 16) & 0xFF), 0xE0, 12);
    EXPECT_NEAR(int(right & 0xFF), 0xE0, 12);
    EXPECT_EQ(left >> 24, 0xFFu);
}

TEST(MemoryImageFile, TgaRoundTripKeepsEveryPixelAndPacketsStayInTheirRow) {
    struct Case {
        const char* name;
        int width, height;
        uint32_t (*pixel)(int x, int y);
    };
    const Case cases[] = {
        {"one pixel", 1, 1, [](int, int) { return 0x80FF0000u; }},
        {"uniform rows longer than a packet", 300, 3, [](int, int y) { return 0xFF000000u | uint32_t(y); }},
        {"all different", 130, 2, [](int x, int y) { return uint32_t(x * 7919 + y * 104729) | 0x01000000u; }},
        {"runs and literals mixed", 9, 4, [](int x, int y) { return (x / 3 + y) % 2 ? 0u : uint32_t(x) << 24; }},
        {"pair at the row end", 5, 2, [](int x, int) { return x >= 3 ? 0xFFFFFFFFu : uint32_t(x); }},
    };
    for (const Case& c : cases) {
        MemoryImageFile image(c.width, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) image.at(x, y) = c.pixel(x, y);
        const Bytes tga = image.encodeTga();
        std::string error;
        auto back = MemoryImageFile::decode(tga, error);
        ASSERT_TRUE(back) << c.name << ": " << error;
        EXPECT_TRUE(back->bHasAlpha) << c.name;
        EXPECT_EQ(back->pixels, image.pixels) << c.name;
    }
}
