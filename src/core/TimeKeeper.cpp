#include "core/TimeKeeper.h"
#include <chrono>

double TimeKeeper::getPhysicalTime() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}
