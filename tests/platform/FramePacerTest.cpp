#include "platform/FramePacer.h"
#include <gtest/gtest.h>
#include "platform/FixedStepClock.h"

namespace {

constexpr double PERIOD = 1.0 / 30.0;

}  // namespace

TEST(FramePacer, WaitsForAbsoluteDeadlines) {
    // Each row: seconds a frame works before it waits, and the wait the pacer must leave.
    // Late frames are made up by the following ones; more than a whole period late starts afresh.
    struct Frame {
        double work;
        double expectedWait;
    };
    const Frame frames[] = {
        {0.0, PERIOD},                      // idle frame: a full period
        {0.010, PERIOD - 0.010},            // work is taken off the wait
        {PERIOD + 0.005, 0.0},              // overran by 5 ms: no wait at all
        {0.0, PERIOD - 0.005},              // ... and the next frame makes the 5 ms up
        {3 * PERIOD, 0.0},                  // far behind: no burst of catch-up frames
        {0.0, PERIOD},                      // the schedule restarted from the late frame's end
    };
    platform::FixedStepClock clock(100.0);
    platform::FramePacer pacer(clock, 30.0);
    for (const Frame& frame : frames) {
        clock.advance(frame.work);
        EXPECT_NEAR(pacer.waitForNextFrame(), frame.expectedWait, 1e-9) << "work " << frame.work;
    }
}

TEST(FramePacer, IdleFramesAdvanceTheFixedClockOneStepEachAndBadRatesFallBackToThirty) {
    platform::FixedStepClock clock;
    platform::FramePacer pacer(clock, 60.0);
    for (int i = 0; i < 120; ++i) pacer.waitForNextFrame();
    EXPECT_NEAR(clock.now(), 2.0, 1e-9);
    for (double rate : {0.0, -5.0}) {
        pacer.setRate(rate);
        EXPECT_DOUBLE_EQ(pacer.getPeriod(), PERIOD);
    }
    EXPECT_DOUBLE_EQ(platform::FramePacer(clock, 0.0).getPeriod(), PERIOD);
    pacer.setRate(50.0);
    EXPECT_NEAR(pacer.waitForNextFrame(), 0.02, 1e-12);
}
