#pragma once
#include "platform/Clock.h"

namespace platform {

/// Paces frames to a fixed rate by absolute deadlines: deadline n is the start plus n
/// periods, so a frame that wakes late is made up by the next one instead of the delay
/// adding up. A frame more than one whole period late restarts the schedule from now
/// rather than rushing several frames out to catch up.
class FramePacer {
public:
    FramePacer(Clock& clock, double framesPerSecond);

    /// Changes the rate; the schedule starts afresh from now.
    void setRate(double framesPerSecond);
    double getPeriod() const { return period; }
    /// Waits for the end of the current frame's slot; returns the seconds spent waiting.
    double waitForNextFrame();

private:
    Clock& clock;
    double period;
    double deadline;
};

}  // namespace platform
