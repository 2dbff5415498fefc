#pragma once
#include "platform/Clock.h"

namespace platform {

/// The machine's monotonic clock; waits sleep to an absolute deadline, so late wake-ups
/// never add up from frame to frame.
class MonotonicClock : public Clock {
public:
    double now() const override;
    void waitUntil(double deadline) override;
};

}  // namespace platform
