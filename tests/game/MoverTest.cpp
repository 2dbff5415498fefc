#include "game/scene/Mover.h"
#include <gtest/gtest.h>
#include <cmath>
#include <functional>

namespace {

struct CountingMover : Mover {
    void onStepDone() override { ++stepsDone; }
    int stepsDone = 0;
};

/// Frames until the script has run dry (at most 1000).
int framesToFinish(CountingMover& mover) {
    int frames = 0;
    while (mover.stepsDone == 0 && frames < 1000) {
        mover.update();
        ++frames;
    }
    return frames;
}

} // namespace

TEST(Mover, EachStepTakesItsFramesAtAnyLengthOrWait) {
    struct Case {
        const char* what;
        std::function<void(Mover&)> script;
        int frames;
    };
    const Case cases[] = {
        {"100 units at speed 10, scaled", [](Mover& m) { m.addMove(100, 0, 0, 0, 0, 0, 0); }, 12},
        {"unscaled",
         [](Mover& m) {
             m.bFrameRateScaling = false;
             m.addMove(100, 0, 0, 0, 0, 0, 0);
         },
         10},
        {"length mode off: speed / 640",
         [](Mover& m) {
             m.bLengthMode = false;
             m.bFrameRateScaling = false;
             m.addMove(5, 0, 0, 0, 0, 0, 0);
         },
         64},
        {"no length at all", [](Mover& m) { m.addMove(0, 0, 0, 0, 0, 0, 0); }, 1},
        {"wait of 0 s", [](Mover& m) { m.addWait(0.0); }, 1},
        {"negative wait", [](Mover& m) { m.addWait(-2.0); }, 1},
        {"wait of 0.5 s at 30 ticks per second", [](Mover& m) { m.addWait(0.5); }, 15},
    };
    for (const Case& c : cases) {
        CountingMover mover;
        c.script(mover);
        EXPECT_EQ(framesToFinish(mover), c.frames) << c.what;
        EXPECT_TRUE(mover.bFinished && mover.isIdle()) << c.what;
    }
}

TEST(Mover, AutomaticTangentsContinueTheLastSegmentAndAimAtTheEnd) {
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
}

TEST(Mover, SetPositionStopsAMoveWithoutReportingItDone) {
    CountingMover mover;
    mover.addMove(300, 0, 0, 0, 0, 0, 0);
    mover.addWait(1.0);
    mover.update();
    mover.setPosition(50, 60);
    for (int i = 0; i < 50; ++i)
        mover.update();
    EXPECT_TRUE(mover.isIdle());
    EXPECT_EQ(mover.stepsDone, 0);
    EXPECT_DOUBLE_EQ(mover.x, 50);
    EXPECT_DOUBLE_EQ(mover.y, 60);
}
