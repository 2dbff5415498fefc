#include "platform/MonotonicClock.h"
#include <cerrno>
#include <cmath>
#include <ctime>

namespace platform {

double MonotonicClock::now() const {
    timespec moment{};
    clock_gettime(CLOCK_MONOTONIC, &moment);
    return static_cast<double>(moment.tv_sec) + static_cast<double>(moment.tv_nsec) * 1e-9;
}

void MonotonicClock::waitUntil(double deadline) {
    if (!(deadline > now())) return;
    double seconds = 0.0;
    const double fraction = std::modf(deadline, &seconds);
    timespec target{};
    target.tv_sec = static_cast<time_t>(seconds);
    target.tv_nsec = static_cast<long>(fraction * 1e9);
    if (target.tv_nsec >= 1000000000L) target.tv_nsec = 999999999L;
    // A signal interrupts the sleep; the deadline is absolute, so simply sleep again.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &target, nullptr) == EINTR) {
    }
}

}  // namespace platform
