#include "platform/VorbisDecoder.h"
#include <cmath>
#include <gtest/gtest.h>
#include "VorbisTestFile.h"

namespace {

using Bytes = std::shared_ptr<const std::vector<uint8_t>>;

Bytes share(std::vector<uint8_t> bytes) { return std::make_shared<const std::vector<uint8_t>>(std::move(bytes)); }

std::vector<float> decodeAll(platform::VorbisDecoder& decoder) {
    std::vector<float> out;
    std::vector<float> chunk(1000 * 2);
    while (const int frames = decoder.read(chunk.data(), 1000))
        out.insert(out.end(), chunk.begin(), chunk.begin() + frames * decoder.getChannels());
    return out;
}

}  // namespace

TEST(VorbisDecoder, DecodesWhatWasEncodedAndRewinds) {
    const std::vector<float> input = sineFrames(440.0, 22050, 11025, 2);
    platform::VorbisDecoder decoder(share(encodeVorbis(input, 2, 22050)));
    ASSERT_TRUE(decoder.isOpen()) << decoder.getError();
    EXPECT_EQ(decoder.getChannels(), 2);
    EXPECT_EQ(decoder.getFrequency(), 22050);
    const std::vector<float> first = decodeAll(decoder);
    ASSERT_EQ(first.size(), input.size());  // the exact length survives the round trip
    double error = 0.0;
    for (size_t i = 0; i < input.size(); ++i) error += std::fabs(first[i] - input[i]);
    EXPECT_LT(error / input.size(), 0.02);
    ASSERT_TRUE(decoder.rewind());
    EXPECT_EQ(decodeAll(decoder), first);
    EXPECT_TRUE(decoder.getError().empty());
}

TEST(VorbisDecoder, CorruptOrTruncatedDataFailsCleanly) {
    std::vector<float> noise(40000);
    uint32_t state = 1;
    for (float& v : noise) v = static_cast<float>((state = state * 1664525u + 1013904223u) >> 8) / (1 << 24) - 0.5f;
    const std::vector<uint8_t> good = encodeVorbis(noise, 1, 11025);
    ASSERT_GT(good.size(), 10000u);
    std::vector<uint8_t> flipped = good;
    for (size_t i = good.size() * 3 / 4; i < good.size(); i += 7) flipped[i] ^= 0x5A;
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        bool bOpens;
    } cases[] = {
        {"empty", {}, false},
        {"signature only", {'O', 'g', 'g', 'S'}, false},
        {"text", std::vector<uint8_t>(500, 'x'), false},
        {"headers cut", std::vector<uint8_t>(good.begin(), good.begin() + 60), false},
        {"body damaged", flipped, true},
        {"body cut", std::vector<uint8_t>(good.begin(), good.end() - good.size() / 4), true},
    };
    for (const auto& c : cases) {
        platform::VorbisDecoder decoder(share(c.bytes));
        EXPECT_EQ(decoder.isOpen(), c.bOpens) << c.name << ": " << decoder.getError();
        if (!c.bOpens) {
            EXPECT_FALSE(decoder.getError().empty()) << c.name;
        }
        EXPECT_LE(decodeAll(decoder).size(), 40000u + 2048u) << c.name;
    }
    platform::VorbisDecoder none(nullptr);
    EXPECT_FALSE(none.isOpen());
}
