#include "platform/SingleInstanceLock.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include "platform/FileIo.h"

namespace platform {

SingleInstanceLock::SingleInstanceLock(const std::filesystem::path& file) {
    // In place: close-on-exec (the exit address's browser must not inherit it), without waiting
    // on a named pipe, and never through a link, which would create or lock a file elsewhere.
    descriptor = openInPlace(file.c_str(), O_RDWR | O_CREAT);
    if (descriptor < 0) {
        error = "Could not make the lock file " + file.string() + ": " + inPlaceErrorText();
        return;
    }
    if (flock(descriptor, LOCK_EX | LOCK_NB) == 0) {
        state = State::Held;
    } else if (errno == EWOULDBLOCK) {
        state = State::HeldElsewhere;
    } else {
        error = "Could not lock " + file.string() + ": " + errnoText();
    }
}

SingleInstanceLock::~SingleInstanceLock() {
    if (descriptor >= 0) ::close(descriptor);
}

}  // namespace platform
