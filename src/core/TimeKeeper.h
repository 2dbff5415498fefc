#pragma once

/// The engine's physical clock: monotonic seconds, unaffected by wall-clock changes.
class TimeKeeper {
public:
    double getPhysicalTime() const;
};
