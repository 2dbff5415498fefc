#pragma once

namespace platform {
class Clock;
}

/// The engine's physical clock: monotonic seconds, unaffected by wall-clock changes. Reads
/// the engine's clock, so a fixed-step run sees time move only with its frames.
class TimeKeeper {
public:
    explicit TimeKeeper(const platform::Clock& clock) : clock(clock) {}
    double getPhysicalTime() const;

private:
    const platform::Clock& clock;
};
