#include "core/StateBase.h"
#include <gtest/gtest.h>
#include <functional>
#include <sstream>
#include <vector>

namespace {

/// Counts its switches and can react to one.
class RecordingState : public StateBase {
public:
    std::vector<int32_t> entered;
    std::function<void(RecordingState&)> reaction;

protected:
    void onStateChange() override {
        EXPECT_EQ(getTimeInState(), 0.0) << "time restarts at the switch, not at the overshoot";
        entered.push_back(getState());
        if (reaction) reaction(*this);
    }
};

constexpr double TICK = 0.25;  // exact in binary, so counts come out exact

}  // namespace

TEST(StateBase, SwitchesWhenTheDelayRunsOutAndKeepsOrReplacesPendingRequests) {
    // Steps: "N@D" asks for state N with a delay of D seconds, "tK" ticks K times by 0.25 s.
    struct Case {
        const char* what;
        const char* steps;
        const char* states;  // the state after each step
        std::vector<int32_t> entered;
        double timeInState;
    };
    const Case cases[] = {
        {"starts in 0 with nothing pending", "0@0 t2", "0 0", {}, 0.5},
        {"no delay switches within the call", "t3 4@0 t1", "0 4 4", {4}, 0.25},
        {"a negative delay too", "4@-1", "4", {4}, 0.0},
        {"a delay of one tick", "2@0.25 t1", "0 2", {2}, 0.0},
        {"four ticks to run out a second", "2@1 t3 t1 t4", "0 0 2 2", {2}, 1.0},
        {"an overshooting tick", "2@0.3 t1 t1", "0 0 2", {2}, 0.0},
        {"a remainder within the slack enters once", "2@1.0000000001 t4 t4", "0 2 2", {2}, 1.0},
        {"asking again keeps the running delay", "3@1 t2 3@5 3@0 t1 t1", "0 0 0 0 0 3", {3}, 0.0},
        {"a new request replaces the pending one", "1@1 t1 2@0.5 t1 t1", "0 0 0 0 2", {2}, 0.0},
        {"the current state while another is pending is entered again", "1@0 t2 2@1 1@0 t8", "1 1 1 1 1", {1, 1},
         2.0},
    };
    for (const Case& c : cases) {
        RecordingState s;
        std::istringstream steps(c.steps), states(c.states);
        for (std::string step; steps >> step;) {
            if (step[0] == 't') {
                for (int i = std::stoi(step.substr(1)); i > 0; --i) s.tick(0.0, TICK);
            } else {
                const std::size_t at = step.find('@');
                s.setState(std::stoi(step.substr(0, at)), std::stod(step.substr(at + 1)));
            }
            int32_t expected = -1;
            states >> expected;
            EXPECT_EQ(s.getState(), expected) << c.what << ", after " << step;
        }
        EXPECT_EQ(s.entered, c.entered) << c.what;
        EXPECT_DOUBLE_EQ(s.getTimeInState(), c.timeInState) << c.what;
    }
}

TEST(StateBase, TheHookMayChainStatesWithAndWithoutDelay) {
    RecordingState nested;
    nested.reaction = [](RecordingState& self) {
        if (self.getState() == 1) self.setState(2, 0.0);  // nested switch inside the hook
        else if (self.getState() == 2) self.setState(3, 0.5);
    };
    nested.setState(1, 0.0);
    EXPECT_EQ(nested.entered, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(nested.getStateGoto(), 3);
    nested.tick(0.0, TICK);
    EXPECT_EQ(nested.getState(), 2);
    nested.tick(0.0, TICK);
    EXPECT_EQ(nested.getState(), 3);

    RecordingState delayed;
    delayed.reaction = [](RecordingState& self) {
        if (self.getState() < 3) self.setState(self.getState() + 1, 0.5);
    };
    delayed.setState(1, 0.5);
    std::vector<int32_t> seen;
    for (int i = 0; i < 8; ++i) {
        delayed.tick(0.0, TICK);
        seen.push_back(delayed.getState());
    }
    EXPECT_EQ(seen, (std::vector<int32_t>{0, 1, 1, 2, 2, 3, 3, 3}));
}
