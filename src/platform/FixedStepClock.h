#pragma once
#include "platform/Clock.h"

namespace platform {

/// A clock that never sleeps: waiting jumps straight to the deadline. Paced frames that take
/// no time of their own therefore each advance exactly one frame step; used for
/// deterministic runs and tests.
class FixedStepClock : public Clock {
public:
    explicit FixedStepClock(double start = 0.0) : time(start) {}

    double now() const override { return time; }
    void waitUntil(double deadline) override {
        if (deadline > time) time = deadline;
    }
    /// Lets time pass, as work inside a frame would.
    void advance(double seconds) { time += seconds; }

private:
    double time;
};

}  // namespace platform
