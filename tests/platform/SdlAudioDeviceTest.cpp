#include "platform/SdlAudioDevice.h"
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include "platform/NullAudioDevice.h"

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

TEST(NullAudioDevice, PumpsInChunksAndStopsWhenClosed) {
    platform::NullAudioDevice device;
    std::vector<int> calls;
    ASSERT_TRUE(device.open(8000, [&calls](float*, int count) { calls.push_back(count); }));
    EXPECT_TRUE(device.isSilent());
    EXPECT_EQ(device.getFrequency(), 8000);
    device.pump(2500);
    EXPECT_EQ(calls, (std::vector<int>{1024, 1024, 452}));
    device.close();
    device.pump(100);
    device.update();
    EXPECT_EQ(calls.size(), 3u);
}
