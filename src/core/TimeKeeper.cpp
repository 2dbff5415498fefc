#include "core/TimeKeeper.h"
#include "platform/MonotonicClock.h"

namespace {

const platform::MonotonicClock machineClock;

}  // namespace

TimeKeeper::TimeKeeper() : clock(machineClock) {}

double TimeKeeper::getPhysicalTime() const { return clock.now(); }
