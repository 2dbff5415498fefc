#include "core/StateBase.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {

/// Records every switch as (state, time in state, stateLeft) and can react to one.
class RecordingState : public StateBase {
  public:
    struct Switch {
        int32_t state;
        double timeInState;
    };
    std::vector<Switch> switches;
    std::function<void(RecordingState&)> reaction;

  protected:
    void onStateChange() override {
        switches.push_back({getState(), getTimeInState()});
        if (reaction) reaction(*this);
    }
};

constexpr double TICK = 0.25; // exact in binary, so counts come out exact

void tickTimes(StateBase& s, int n) {
    for (int i = 0; i < n; ++i)
        s.tick(0.0, TICK);
}

} // namespace

TEST(StateBase, StartsInStateZeroWithNothingPending) {
    RecordingState s;
    EXPECT_EQ(s.getState(), 0);
    EXPECT_EQ(s.getStateGoto(), 0);
    s.setState(0, 0.0); // already the pending state
    EXPECT_TRUE(s.switches.empty());
    tickTimes(s, 2);
    EXPECT_DOUBLE_EQ(s.getTimeInState(), 0.5);
}

TEST(StateBase, ZeroOrNegativeDelaySwitchesWithinTheCall) {
    for (const double delay : {0.0, -1.0}) {
        RecordingState s;
        tickTimes(s, 3);
        s.setState(4, delay);
        EXPECT_EQ(s.getState(), 4);
        ASSERT_EQ(s.switches.size(), 1u);
        EXPECT_EQ(s.switches[0].state, 4);
        EXPECT_EQ(s.switches[0].timeInState, 0.0);
        s.tick(0.0, TICK);
        EXPECT_EQ(s.switches.size(), 1u) << "a switched state is not entered again by tick";
    }
}

TEST(StateBase, DelayedSwitchHappensOnTheTickThatRunsItOut) {
    struct Case {
        double delay;
        int ticksBefore; // ticks that leave the old state in place
    };
    const Case cases[] = {{0.25, 0}, {1.0, 3}, {0.3, 1}, {0.01, 0}};
    for (const auto& c : cases) {
        RecordingState s;
        s.setState(2, c.delay);
        EXPECT_EQ(s.getState(), 0);
        EXPECT_EQ(s.getStateGoto(), 2);
        tickTimes(s, c.ticksBefore);
        EXPECT_EQ(s.getState(), 0) << c.delay;
        EXPECT_DOUBLE_EQ(s.getTimeInState(), TICK * c.ticksBefore);
        s.tick(0.0, TICK);
        EXPECT_EQ(s.getState(), 2) << c.delay;
        EXPECT_EQ(s.getTimeInState(), 0.0) << "time restarts at the switch, not at the overshoot";
        ASSERT_EQ(s.switches.size(), 1u);
        tickTimes(s, 4);
        EXPECT_EQ(s.switches.size(), 1u);
        EXPECT_DOUBLE_EQ(s.getTimeInState(), 1.0);
    }
}

TEST(StateBase, AskingForThePendingStateAgainKeepsTheRunningDelay) {
    RecordingState s;
    s.setState(3, 1.0);
    tickTimes(s, 2);
    s.setState(3, 5.0); // ignored: already pending
    s.setState(3, 0.0); // ignored too, even with no delay
    EXPECT_EQ(s.getState(), 0);
    EXPECT_DOUBLE_EQ(s.getStateLeft(), 0.5);
    tickTimes(s, 2);
    EXPECT_EQ(s.getState(), 3);
    EXPECT_EQ(s.switches.size(), 1u);
}

TEST(StateBase, ANewRequestReplacesThePendingOne) {
    RecordingState s;
    s.setState(1, 1.0);
    s.tick(0.0, TICK);
    s.setState(2, 0.5);
    tickTimes(s, 1);
    EXPECT_EQ(s.getState(), 0);
    tickTimes(s, 1);
    EXPECT_EQ(s.getState(), 2);
    ASSERT_EQ(s.switches.size(), 1u);
    EXPECT_EQ(s.switches[0].state, 2);
}

TEST(StateBase, AskingForTheCurrentStateWhileAnotherIsPendingReentersIt) {
    RecordingState s;
    s.setState(1, 0.0);
    tickTimes(s, 2);
    s.setState(2, 1.0);
    s.setState(1, 0.0); // differs from the pending 2: entered again at once
    EXPECT_EQ(s.getState(), 1);
    EXPECT_EQ(s.getStateGoto(), 1);
    EXPECT_EQ(s.getTimeInState(), 0.0);
    EXPECT_EQ(s.switches.size(), 2u);
    tickTimes(s, 8);
    EXPECT_EQ(s.switches.size(), 2u) << "the abandoned request for 2 never fires";
}

TEST(StateBase, HookMayChainStatesWithAndWithoutDelay) {
    RecordingState s;
    s.reaction = [](RecordingState& self) {
        if (self.getState() == 1)
            self.setState(2, 0.0); // nested switch inside the hook
        else if (self.getState() == 2)
            self.setState(3, 0.5);
    };
    s.setState(1, 0.0);
    ASSERT_EQ(s.switches.size(), 2u);
    EXPECT_EQ(s.switches[0].state, 1);
    EXPECT_EQ(s.switches[1].state, 2);
    EXPECT_EQ(s.getState(), 2);
    EXPECT_EQ(s.getStateGoto(), 3);
    tickTimes(s, 1);
    EXPECT_EQ(s.getState(), 2);
    tickTimes(s, 1);
    EXPECT_EQ(s.getState(), 3);
    EXPECT_EQ(s.switches.size(), 3u);
}

TEST(StateBase, DelayedSwitchWhoseHookAsksForAnotherDelay) {
    RecordingState s;
    s.reaction = [](RecordingState& self) {
        if (self.getState() < 3) self.setState(self.getState() + 1, 0.5);
    };
    s.setState(1, 0.5);
    std::vector<int32_t> seen;
    for (int i = 0; i < 8; ++i) {
        s.tick(0.0, TICK);
        seen.push_back(s.getState());
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 1, 1, 2, 2, 3, 3, 3}));
}
