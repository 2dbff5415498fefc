#include "game/GameFont.h"
#include <gtest/gtest.h>

TEST(GameFont, SnapsTheWorldPointToWholeDisplayPixels) {
    struct Case {
        double x, y;
        int displayW, displayH;
        float px, py;
    };
    const Case cases[] = {
        {320.7, 240.0, 800, 600, 0.f, 0.f},   // 0.875 display pixels: none
        {321.7, 239.0, 800, 600, 1.6f, 0.8f}, // two whole pixels right, one up
        {0.0, 0.0, 640, 480, -320.f, 240.f},  // the top-left corner
        {100.5, 100.5, 1280, 960, -219.5f, 139.5f},
    };
    for (const Case& c : cases) {
        const Vector3 p = GameFont::snapToPixels(c.x, c.y, c.displayW, c.displayH);
        EXPECT_NEAR(p.x, c.px, 1e-4) << c.x;
        EXPECT_NEAR(p.y, c.py, 1e-4) << c.y;
        EXPECT_EQ(p.z, 0.f);
    }
}
