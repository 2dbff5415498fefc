#include "platform/SystemRandom.h"
#include <cerrno>
#include <sys/random.h>

namespace platform {

uint32_t systemRandom32() {
    uint32_t value = 0;
    // Four bytes come whole once the source is ready; only a signal can cut the wait short.
    while (getrandom(&value, sizeof value, 0) != static_cast<ssize_t>(sizeof value) && errno == EINTR) {
    }
    return value;
}

}  // namespace platform
