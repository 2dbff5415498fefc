#include "platform/SdlAudioDevice.h"
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

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
