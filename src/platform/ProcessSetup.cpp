#include "platform/ProcessSetup.h"
#include <SDL.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>

namespace platform {

namespace {

constexpr int ENDING_SIGNALS[] = {SIGTERM, SIGINT, SIGHUP};

volatile sig_atomic_t bEndRequested = 0;

void openClosedStandardStreams() {
    for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free number: the closed one.
        const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != descriptor) ::close(opened);
    }
}

void onEndingSignal(int) { requestEnd(); }

void endOn(int signal) {
    struct sigaction current {};
    // A starter that ignores it keeps ignoring it.
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
    struct sigaction ending {};
    ending.sa_handler = onEndingSignal;
    ending.sa_flags = SA_RESTART;
    sigemptyset(&ending.sa_mask);
    ::sigaction(signal, &ending, nullptr);
}

} // namespace

void prepareProcess() {
    openClosedStandardStreams();
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    // The window's close request reads the end request instead of SDL's quit event, so that
    // the program knows who asked.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    for (int signal : ENDING_SIGNALS) endOn(signal);
}

void requestEnd() { bEndRequested = 1; }

bool isEndRequested() { return bEndRequested != 0; }

} // namespace platform
