#include "platform/SdlAudioDevice.h"
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>

// Runs under SDL's dummy driver (set for every test), which pulls frames in real time.
TEST(SdlAudioDevice, PullsFramesUntilClosed) {
    platform::SdlAudioDevice device;
    std::atomic<int> frames{0};
    ASSERT_TRUE(device.open(22050, [&frames](float* out, int count) {
        std::fill(out, out + 2 * count, 0.0f);
        frames += count;
    })) << device.getError();
    EXPECT_GT(device.getFrequency(), 0);
    EXPECT_FALSE(device.isSilent());
    for (int i = 0; i < 200 && frames == 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_GT(frames.load(), 0);
    device.close();
    const int afterClose = frames;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(frames.load(), afterClose);
    EXPECT_EQ(device.getFrequency(), 0);
}

TEST(SdlAudioDevice, RefusesRatesThatNoOutputPlays) {
    platform::SdlAudioDevice device;
    const auto silence = [](float* out, int count) { std::fill(out, out + 2 * count, 0.0f); };
    const std::pair<int, bool> cases[] = {{0, false},     {1000, false}, {11024, false}, {48001, false},
                                          {96000, false}, {11025, true}, {48000, true}};
    for (const auto& [frequency, bOpens] : cases) {
        EXPECT_EQ(device.open(frequency, silence), bOpens) << frequency;
        EXPECT_EQ(device.getFrequency() != 0, bOpens) << frequency;
        if (!bOpens) {
            EXPECT_EQ(device.getError(), "no output at " + std::to_string(frequency) + " Hz");
        }
        device.close();
    }
}
