#include "platform/ProcessSetup.h"
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace platform {

namespace {

void openClosedStandardStreams() {
    for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free number: the closed one.
        const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != descriptor) ::close(opened);
    }
}

// SDL turns SIGTERM into the window's quit request, after which the program saves and ends.
void endAsTerminated(int) { std::raise(SIGTERM); }

void endHangUpAsTerminated() {
    struct sigaction current {};
    // A starter that ignores hang-ups (nohup) keeps ignoring them.
    if (::sigaction(SIGHUP, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
    std::signal(SIGHUP, endAsTerminated);
}

} // namespace

void prepareProcess() {
    openClosedStandardStreams();
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    endHangUpAsTerminated();
}

} // namespace platform
