#include "game/AngleToFrame.h"
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>

TEST(AngleToFrame, PicksTheFrameCentredOnTheHeading) {
    constexpr double PI = std::numbers::pi;
    struct Case {
        int frames;
        double angle;
        int expected;
    };
    const Case cases[] = {
        {360, 0.0, 90},
        {360, PI / 2, 180},
        {360, 1000 * 2 * PI, 90},
        {1, -PI / 2, 0},
        {8, -PI / 2, 0},
        {32, -PI / 2, 0},
        {360, -PI / 2, 0},
        {8, 0.0, 2},
        {8, PI, 6},
        {8, -PI, 6},
        {8, 3 * PI, 6},
        // Frame 0 spans half a frame on either side of -pi/2.
        {8, -PI / 2 - 0.01, 0},
        {8, -PI / 2 - PI / 8 + 1e-6, 0},
        {8, -PI / 2 - PI / 8 - 1e-6, 7},
        {4, -PI / 2 + PI / 4 - 1e-6, 0},
        {4, -PI / 2 + PI / 4 + 1e-6, 1},
        {4, 3 * PI / 2 - 1e-9, 0},
        // No frames, or no heading: frame 0 rather than a division by zero or an undefined cast.
        {0, 1.0, 0},
        {-8, 1.0, 0},
        {8, std::numeric_limits<double>::quiet_NaN(), 0},
        {8, std::numeric_limits<double>::infinity(), 0},
        {8, -std::numeric_limits<double>::infinity(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(angleToFrame(c.frames, c.angle), c.expected) << c.frames << " frames, angle " << c.angle;
}

TEST(AngleToFrame, StaysWithinTheChainForAnyHeading) {
    for (int frames : {1, 2, 3, 7, 64, 360})
        for (double angle = -50.0; angle <= 50.0; angle += 0.0173) {
            const int frame = angleToFrame(frames, angle);
            ASSERT_GE(frame, 0) << frames << " " << angle;
            ASSERT_LT(frame, frames) << frames << " " << angle;
        }
}
