#include "platform/SingleInstanceLock.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include "platform/FileIo.h"

namespace platform {

SingleInstanceLock::SingleInstanceLock(const std::filesystem::path& file) {
    // Close-on-exec: a program we start (the exit address's browser) must not inherit it.
    // Non-blocking: a named pipe in the file's place must not hang the start.
    descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644);
    struct stat info {};
    if (descriptor < 0 || ::fstat(descriptor, &info) != 0) {
        error = "Could not make the lock file " + file.string() + ": " + errnoText();
        return;
    }
    if (!S_ISREG(info.st_mode)) {
        error = "Could not make the lock file " + file.string() + ": not a regular file";
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
