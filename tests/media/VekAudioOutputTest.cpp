#include "media/VekAudio.h"
#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <thread>
#include "AudioTestKit.h"
#include "media/Sound.h"

// End to end through SDL: the disk driver writes what the device plays (32-bit float stereo)
// to a file, which the test then measures.
TEST(VekAudioOutput, ASoundReachesTheSdlDeviceAtItsPitch) {
    TempDataHome folder;
    const std::filesystem::path raw = folder.path() / "out.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
    constexpr int RATE = 22050;
    {
        VekAudio audio(false, RATE);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_FALSE(audio.isSilent());
        ASSERT_EQ(audio.getDeviceFrequency(), RATE);
        audio.setDelayedLoad(false);
        std::vector<uint8_t> wav = constantWav(0, RATE / 4, RATE);
        for (int f = 0; f < RATE / 4; ++f) {
            const auto v = static_cast<int16_t>(16384 * std::sin(2.0 * std::numbers::pi * 500.0 * f / RATE));
            wav[44 + 2 * f] = static_cast<uint8_t>(v);
            wav[45 + 2 * f] = static_cast<uint8_t>(v >> 8);
        }
        const std::filesystem::path file = folder.path() / "tone.wav";
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
        Sound tone(fromUtf8(file.string()), 1, 0);
        tone.playPitched(2.0f);  // 1000 Hz for an eighth of a second
        for (int i = 0; i < 100 && tone.countPlaying() > 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(tone.countPlaying(), 0);
    }
    std::ifstream in(raw, std::ios::binary);
    std::vector<float> samples;
    for (float v; in.read(reinterpret_cast<char*>(&v), sizeof v);) samples.push_back(v);
    int crossings = 0, loud = 0;
    for (size_t i = 2; i < samples.size(); i += 2) {
        crossings += (samples[i - 2] < 0.0f) != (samples[i] < 0.0f);
        loud += std::fabs(samples[i]) > 0.25f;
    }
    EXPECT_GT(loud, RATE / 16);               // above a quarter for two thirds of its eighth of a second
    EXPECT_NEAR(crossings, 2 * 1000 / 8, 20);  // 1000 Hz
}
