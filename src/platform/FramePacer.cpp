#include "platform/FramePacer.h"

namespace platform {

namespace {

constexpr double DEFAULT_RATE = 30.0;

double periodOf(double framesPerSecond) { return 1.0 / (framesPerSecond > 0.0 ? framesPerSecond : DEFAULT_RATE); }

}  // namespace

FramePacer::FramePacer(Clock& clockToUse, double framesPerSecond)
    : clock(clockToUse), period(periodOf(framesPerSecond)), deadline(clockToUse.now()) {}

void FramePacer::setRate(double framesPerSecond) {
    period = periodOf(framesPerSecond);
    deadline = clock.now();
}

double FramePacer::waitForNextFrame() {
    const double start = clock.now();
    deadline += period;
    if (deadline < start - period) deadline = start;
    clock.waitUntil(deadline);
    return clock.now() - start;
}

}  // namespace platform
