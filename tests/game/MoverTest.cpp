#include "game/scene/Mover.h"
#include <gtest/gtest.h>

namespace {

struct CountingMover : Mover {
    void onStepDone() override { ++stepsDone; }
    int stepsDone = 0;
};

/// Frames until the script has run dry (at most 1000).
int framesToFinish(CountingMover& mover) {
    int frames = 0;
    for (; mover.stepsDone == 0 && frames < 1000; ++frames)
        mover.update();
    return frames;
}

} // namespace

TEST(Mover, EachStepTakesItsFramesAtAnyLengthOrWait) {
    struct Case {
        const char* what;
        bool bScaling, bLengthMode, bWait;
        double amount; // units to the right, or seconds to wait
        int frames;
    };
    const Case cases[] = {
        {"100 units at speed 10, scaled", true, true, false, 100, 12},
        {"unscaled", false, true, false, 100, 10},
        {"length mode off: speed / 640", false, false, false, 5, 64},
        {"no length at all, scaled", true, true, false, 0, 1},
        {"wait of 0 s", true, true, true, 0, 1},
        {"negative wait", true, true, true, -2, 1},
        {"wait of 0.5 s at 30 ticks per second", true, true, true, 0.5, 15},
    };
    for (const Case& c : cases) {
        CountingMover mover;
        mover.bFrameRateScaling = c.bScaling;
        mover.bLengthMode = c.bLengthMode;
        if (c.bWait)
            mover.addWait(c.amount);
        else
            mover.addMove(c.amount, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(framesToFinish(mover), c.frames) << c.what;
        EXPECT_TRUE(mover.bFinished && mover.isIdle()) << c.what;
    }
}

TEST(Mover, AutomaticTangentsContinueTheLastSegmentAndAimAtTheEndAndSetPositionStops) {
    CountingMover mover;
    mover.setPosition(0, 0);
    mover.addMove(100, 0, 0, 0, 30, 40, 0);
    mover.addMove(100, 100, Mover::AUTO, Mover::AUTO, Mover::AUTO, Mover::AUTO, 0);
    mover.addMove(0, 0, Mover::AUTO, 0, Mover::AUTO, 0, 0); // only the exact pair is automatic
    while (mover.queuedSteps() > 1)
        mover.update();
    EXPECT_DOUBLE_EQ(mover.t0x, 30);
    EXPECT_DOUBLE_EQ(mover.t0y, 40);
    EXPECT_NEAR(mover.t1x, 0, 1e-9); // 125 units from (100, 0) straight down to (100, 100)
    EXPECT_NEAR(mover.t1y, 125, 1e-9);
    while (mover.queuedSteps() > 0)
        mover.update();
    EXPECT_EQ(mover.t0x, Mover::AUTO);
    EXPECT_EQ(mover.t1y, 0);
    mover.setPosition(50, 60); // stops the move: idle, and nothing reported done
    mover.update();
    EXPECT_TRUE(mover.isIdle() && mover.stepsDone == 0);
    EXPECT_DOUBLE_EQ(mover.x, 50);
}
