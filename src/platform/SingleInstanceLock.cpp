#include "platform/SingleInstanceLock.h"
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

SingleInstanceLock::SingleInstanceLock(const std::filesystem::path& file) {
    // Close-on-exec: a program we start (the exit address's browser) must not inherit it.
    descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) return;
    bHeld = flock(descriptor, LOCK_EX | LOCK_NB) == 0;
}

SingleInstanceLock::~SingleInstanceLock() {
    if (descriptor >= 0) ::close(descriptor);
}

}  // namespace platform
