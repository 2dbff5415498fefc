#include "media/WavDecoder.h"
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& b, uint16_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    put16(b, static_cast<uint16_t>(v));
    put16(b, static_cast<uint16_t>(v >> 16));
}

Bytes chunk(const char* id, const Bytes& body, uint32_t declaredSize) {
    Bytes out(id, id + 4);
    put32(out, declaredSize);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2) out.push_back(0);
    return out;
}
Bytes chunk(const char* id, const Bytes& body) { return chunk(id, body, static_cast<uint32_t>(body.size())); }

Bytes fmtBody(uint16_t tag, uint16_t channels, uint32_t rate, uint16_t bits, int blockAlign = -1) {
    const uint16_t align = blockAlign >= 0 ? static_cast<uint16_t>(blockAlign) : static_cast<uint16_t>(channels * bits / 8);
    Bytes b;
    put16(b, tag);
    put16(b, channels);
    put32(b, rate);
    put32(b, rate * align);
    put16(b, align);
    put16(b, bits);
    return b;
}

Bytes extensibleBody(uint16_t subTag, uint16_t channels, uint16_t bits) {
    Bytes b = fmtBody(0xFFFE, channels, 22050, bits);
    put16(b, 22);    // extension size
    put16(b, bits);  // valid bits
    put32(b, 0);     // speaker mask
    put16(b, subTag);
    b.resize(40, 0);  // rest of the sub-format GUID
    return b;
}

Bytes riff(const std::vector<Bytes>& chunks) {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const auto& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes out{'R', 'I', 'F', 'F'};
    put32(out, static_cast<uint32_t>(body.size()));
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

Bytes pcm16(std::initializer_list<int16_t> values) {
    Bytes b;
    for (const int16_t v : values) put16(b, static_cast<uint16_t>(v));
    return b;
}

Bytes floats(std::initializer_list<float> values) {
    Bytes b;
    for (const float v : values) {
        uint32_t raw;
        std::memcpy(&raw, &v, 4);
        put32(b, raw);
    }
    return b;
}

}  // namespace

TEST(WavDecoder, ReadsEveryEncodingIntoFloats) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        const char* name;
        Bytes file;
        int channels, rate;
        std::vector<float> samples;
    } cases[] = {
        {"8-bit mono", riff({chunk("fmt ", fmtBody(1, 1, 11025, 8)), chunk("data", {0, 128, 255})}), 1, 11025,
         {-1.0f, 0.0f, 127 / 128.0f}},
        {"16-bit stereo", riff({chunk("fmt ", fmtBody(1, 2, 44100, 16)), chunk("data", pcm16({-32768, 32767, 0, 16384}))}),
         2, 44100, {-1.0f, 32767 / 32768.0f, 0.0f, 0.5f}},
        {"float, non-finite silenced", riff({chunk("fmt ", fmtBody(3, 1, 48000, 32)), chunk("data", floats({0.25f, nan, -2.0f}))}),
         1, 48000, {0.25f, 0.0f, -2.0f}},
        {"extensible 16-bit", riff({chunk("fmt ", extensibleBody(1, 1, 16)), chunk("data", pcm16({8192}))}), 1, 22050, {0.25f}},
        {"extensible float", riff({chunk("fmt ", extensibleBody(3, 2, 32)), chunk("data", floats({0.5f, -0.5f}))}), 2, 22050,
         {0.5f, -0.5f}},
        {"odd chunk padded, data first", riff({chunk("data", {10, 20, 30}), chunk("LIST", {1, 2, 3}), chunk("fmt ", fmtBody(1, 1, 8000, 8))}),
         1, 8000, {-118 / 128.0f, -108 / 128.0f, -98 / 128.0f}},
        {"data cut short keeps whole frames", riff({chunk("fmt ", fmtBody(1, 2, 8000, 16)), chunk("data", pcm16({100, 200, 300}), 400)}),
         2, 8000, {100 / 32768.0f, 200 / 32768.0f}},
        {"empty data", riff({chunk("fmt ", fmtBody(1, 1, 8000, 16)), chunk("data", {})}), 1, 8000, {}},
    };
    for (const auto& c : cases) {
        PcmData pcm;
        std::string error;
        ASSERT_TRUE(decodeWav(c.file, pcm, error)) << c.name << ": " << error;
        EXPECT_EQ(pcm.channels, c.channels) << c.name;
        EXPECT_EQ(pcm.frequency, c.rate) << c.name;
        EXPECT_EQ(pcm.samples, c.samples) << c.name;
    }
}

TEST(WavDecoder, RefusesMalformedFilesWithAReason) {
    const Bytes good = riff({chunk("fmt ", fmtBody(1, 1, 8000, 16)), chunk("data", pcm16({1, 2}))});
    Bytes truncatedFmt(good.begin(), good.begin() + 12 + 8 + 10);
    Bytes hugeChunk = riff({chunk("JUNK", {}, 0xFFFFFFF0u)});
    const struct {
        const char* name;
        Bytes file;
        const char* reason;
    } cases[] = {
        {"empty", {}, "not a RIFF/WAVE"},
        {"header only, short", {'R', 'I', 'F', 'F', 0, 0}, "not a RIFF/WAVE"},
        {"wrong form", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '}, "not a RIFF/WAVE"},
        {"no chunks", riff({}), "no format chunk"},
        {"format cut short", truncatedFmt, "format chunk cut short"},
        {"huge junk chunk", hugeChunk, "no format chunk"},
        {"no data", riff({chunk("fmt ", fmtBody(1, 1, 8000, 16))}), "no data chunk"},
        {"format too short", riff({chunk("fmt ", Bytes(10, 0)), chunk("data", {})}), "format chunk too short"},
        {"24-bit", riff({chunk("fmt ", fmtBody(1, 1, 8000, 24)), chunk("data", {})}), "unsupported encoding"},
        {"ADPCM", riff({chunk("fmt ", fmtBody(2, 1, 8000, 4)), chunk("data", {})}), "unsupported encoding"},
        {"64-bit float", riff({chunk("fmt ", fmtBody(3, 1, 8000, 64)), chunk("data", {})}), "unsupported encoding"},
        {"three channels", riff({chunk("fmt ", fmtBody(1, 3, 8000, 16)), chunk("data", {})}), "channel count 3"},
        {"no channels", riff({chunk("fmt ", fmtBody(1, 0, 8000, 16)), chunk("data", {})}), "channel count 0"},
        {"zero rate", riff({chunk("fmt ", fmtBody(1, 1, 0, 16)), chunk("data", {})}), "bad frequency"},
        {"block size lies", riff({chunk("fmt ", fmtBody(1, 2, 8000, 16, 0)), chunk("data", pcm16({1, 2}))}), "block size"},
        {"extensible too short", riff({chunk("fmt ", fmtBody(0xFFFE, 1, 8000, 16)), chunk("data", {})}),
         "extensible format chunk too short"},
    };
    for (const auto& c : cases) {
        PcmData pcm;
        std::string error;
        EXPECT_FALSE(decodeWav(c.file, pcm, error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    }
}

TEST(WavDecoder, EveryTruncationOfAGoodFileIsSafe) {
    const Bytes good = riff({chunk("LIST", {1, 2, 3, 4, 5}), chunk("fmt ", fmtBody(1, 2, 8000, 16)),
                             chunk("data", pcm16({1, 2, 3, 4, 5, 6}))});
    for (size_t length = 0; length <= good.size(); ++length) {
        PcmData pcm;
        std::string error;
        const bool bDecoded = decodeWav(std::span(good.data(), length), pcm, error);
        EXPECT_EQ(bDecoded, error.empty()) << length;
        EXPECT_LE(pcm.samples.size(), 6u) << length;
    }
}
