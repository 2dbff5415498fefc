// The synthesiser's building blocks and the noise behind the pictures.
#include <gtest/gtest.h>
#include <cmath>
#include "OggVorbis.h"
#include "Paint.h"
#include "Synth.h"
#include "media/SampleDecoder.h"

using namespace synth;

TEST(Synth, EnvelopeRisesPeaksAndEndsSilently) {
    EXPECT_EQ(envelope(-0.1, 0.01, 0.1, 1.0), 0.f);
    EXPECT_NEAR(envelope(0.005, 0.01, 0.1, 1.0), 0.5f, 1e-6);
    EXPECT_NEAR(envelope(0.01, 0.01, 0.1, 1.0), 1.f, 1e-6);
    EXPECT_NEAR(envelope(0.11, 0.01, 0.1, 1.0), std::exp(-1.f), 1e-5);
    EXPECT_EQ(envelope(1.0, 0.01, 0.1, 1.0), 0.f);
    EXPECT_LT(envelope(0.999, 0.0, 100.0, 1.0), 0.25f);  // faded just before the end: no click
}

TEST(Synth, PitchesAndGlides) {
    EXPECT_DOUBLE_EQ(noteHz(69), 440.0);
    EXPECT_NEAR(noteHz(81), 880.0, 1e-9);
    EXPECT_NEAR(noteHz(60), 261.6256, 1e-4);
    EXPECT_DOUBLE_EQ(glide(0, 100, 400, 2), 100.0);
    EXPECT_NEAR(glide(1, 100, 400, 2), 200.0, 1e-9);
    EXPECT_NEAR(glide(5, 100, 400, 2), 400.0, 1e-9);  // holds after the glide
}

TEST(Synth, OscillatorsKeepTheirRangeAndPeriod) {
    Oscillator sine, square, saw, triangle;
    float low = 0, high = 0;
    int crossings = 0;
    float previous = 0;
    for (int i = 0; i < 1000; ++i) {
        const float s = sine.sine(10, 1000);
        if (previous < 0 && s >= 0) ++crossings;
        previous = s;
        for (float v : {s, square.square(10, 1000), saw.saw(10, 1000), triangle.triangle(10, 1000)}) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    EXPECT_GE(low, -1.f);
    EXPECT_LE(high, 1.f);
    EXPECT_EQ(crossings, 9);  // ten periods in one second; the first starts at zero
}

TEST(Synth, NoiseIsRepeatableAndFiltersSettle) {
    Noise a(7), b(7), c(8);
    bool bDiffers = false;
    for (int i = 0; i < 100; ++i) {
        const float x = a.next();
        EXPECT_EQ(x, b.next());
        EXPECT_GE(x, -1.f);
        EXPECT_LT(x, 1.f);
        bDiffers |= x != c.next();
    }
    EXPECT_TRUE(bDiffers);
    LowPass filter;
    float out = 0;
    for (int i = 0; i < 2000; ++i) out = filter.process(1.f, 500, 22050);
    EXPECT_NEAR(out, 1.f, 1e-4);
    std::vector<float> samples = {0.1f, -0.4f, 0.2f};
    normalize(samples, 0.8f);
    EXPECT_FLOAT_EQ(samples[1], -0.8f);
    std::vector<float> silence(3, 0.f);
    normalize(silence, 0.8f);
    EXPECT_EQ(silence, std::vector<float>(3, 0.f));
}

TEST(Synth, NormalizesTheRmsAsFarAsFullScaleAllows) {
    const std::vector<float> pulse = {0.3f, -0.1f, -0.1f, -0.1f}; // RMS 0.1732, peak 0.3
    const std::pair<float, float> cases[] = {
        {0.5f, 0.8660254f}, // RMS, the loudest sample then
        {0.9f, 1.0f},       // its RMS would take the peak beyond full scale
    };
    for (const auto& [rms, wantPeak] : cases) {
        std::vector<float> samples = pulse;
        normalizeRms(samples, rms);
        EXPECT_NEAR(samples[0], wantPeak, 1e-6);
        EXPECT_NEAR(samples[1], -wantPeak / 3, 1e-6);
    }
    std::vector<float> silence(3, 0.f);
    normalizeRms(silence, 0.5f);
    EXPECT_EQ(silence, std::vector<float>(3, 0.f));
}

TEST(Synth, OggVorbisReadsBackThroughTheEnginesDecoder) {
    std::vector<float> tone(22050);
    Oscillator oscillator;
    for (float& s : tone) s = 0.5f * oscillator.sine(440, 22050);
    auto bytes = std::make_shared<const std::vector<uint8_t>>(encodeOggVorbis(tone, 1, 22050));
    EXPECT_EQ(*bytes, encodeOggVorbis(tone, 1, 22050));
    PcmData pcm;
    std::string error;
    ASSERT_TRUE(decodeSample(bytes, pcm, error)) << error;
    EXPECT_EQ(pcm.frequency, 22050);
    EXPECT_EQ(pcm.channels, 1);
    EXPECT_EQ(pcm.frameCount(), tone.size());
}

TEST(Paint, TiledNoiseRepeatsAfterItsPeriod) {
    for (double x : {0.0, 0.37, 2.5, 3.99})
        for (double y : {0.0, 1.25, 3.5}) {
            EXPECT_NEAR(tiledNoise(x, y, 4, 9), tiledNoise(x + 4, y, 4, 9), 1e-12);
            EXPECT_NEAR(tiledNoise(x, y, 4, 9), tiledNoise(x, y + 4, 4, 9), 1e-12);
            EXPECT_NEAR(tiledFractal(x, y, 4, 9), tiledFractal(x + 4, y + 4, 4, 9), 1e-12);
            const double v = tiledFractal(x, y, 4, 9);
            EXPECT_GE(v, 0.0);
            EXPECT_LE(v, 1.0);
        }
}
