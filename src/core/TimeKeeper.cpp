#include "core/TimeKeeper.h"
#include "platform/Clock.h"

double TimeKeeper::getPhysicalTime() const { return clock.now(); }
