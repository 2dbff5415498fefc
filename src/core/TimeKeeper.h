#pragma once

namespace platform {
class Clock;
}

/// The engine's physical clock: monotonic seconds, unaffected by wall-clock changes. The
/// engine root's keeper reads the engine's clock, so a fixed-step run sees time move only
/// with its frames; a default-built keeper reads the machine's monotonic clock.
class TimeKeeper {
public:
    TimeKeeper();
    explicit TimeKeeper(const platform::Clock& clock) : clock(clock) {}
    double getPhysicalTime() const;

private:
    const platform::Clock& clock;
};
