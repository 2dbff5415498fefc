#include "platform/ProcessSetup.h"
#include <SDL.h>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <initializer_list>
#include <unistd.h>
#include "platform/SignalSafeLine.h"

namespace platform {

namespace {

struct EndingSignal {
    int number;
    const char* name;
};
constexpr EndingSignal ENDING_SIGNALS[] = {{SIGTERM, "SIGTERM"}, {SIGINT, "SIGINT"}, {SIGHUP, "SIGHUP"}};

// How long an end that a signal asked for waits for each step of the orderly exit (see
// noteExitProgress) before the program ends as a kill would. A frame loop that answers sees the
// request within a frame, and the whole exit of the sanitized build, its leak check included,
// took 0.9 s on two cores shared with four busy processes: five seconds leave a slow disk or
// machine several times that for a single step, while a player who asked to end waits only a
// few seconds for a program that a display or sound server holds.
constexpr unsigned END_STEP_BOUND_SECONDS = 5;

volatile sig_atomic_t bEndRequested = 0;
// The first ending signal that came, 0 before: from then on the bound runs.
volatile sig_atomic_t endingSignal = 0;
// stderr as the program was started: the display's refusal is read by pointing number 2 at a
// file for a while, and that may be what the program is held in when it ends.
int reportDescriptor = STDERR_FILENO;

void openClosedStandardStreams() {
    for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(descriptor, F_GETFD) != -1 || errno != EBADF) continue;
        // open() takes the lowest free number: the closed one.
        const int opened = ::open("/dev/null", descriptor == STDIN_FILENO ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != descriptor) ::close(opened);
    }
}

const char* nameOf(int signal) {
    for (const EndingSignal& ending : ENDING_SIGNALS)
        if (ending.number == signal) return ending.name;
    return "a signal";
}

/// "Ending at once on <signal>: ", the start of the line that `endBy` writes.
SignalSafeLine endingLine(int signal) {
    SignalSafeLine line;
    line.append("Ending at once on ");
    line.append(nameOf(signal));
    line.append(": ");
    return line;
}

/// Writes `line` on stderr and ends the process by `signal`'s default action, as a kill by it
/// would, so that the starter sees that signal (a shell shows 128 + its number).
/// Async-signal-safe.
[[noreturn]] void endBy(int signal, const SignalSafeLine& line) {
    line.writeTo(reportDescriptor);
    struct sigaction byDefault {};
    byDefault.sa_handler = SIG_DFL;
    sigemptyset(&byDefault.sa_mask);
    ::sigaction(signal, &byDefault, nullptr);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    _exit(128 + signal); // not reached: each ending signal's default action ends the process
}

void onEndStepBoundPassed(int) {
    if (endingSignal == 0) return; // not the bound's: no end was asked for
    SignalSafeLine line = endingLine(endingSignal);
    line.append("the orderly exit made no step within ");
    line.appendNumber(END_STEP_BOUND_SECONDS);
    line.append(" seconds (a display or sound server that does not answer may hold it).\n");
    endBy(endingSignal, line);
}

void onEndingSignal(int signal) {
    if (endingSignal != 0) {
        SignalSafeLine line = endingLine(signal);
        line.append("it came after an earlier end signal.\n");
        endBy(signal, line);
    }
    endingSignal = signal;
    requestEnd();
    ::alarm(END_STEP_BOUND_SECONDS);
}

/// Installs `handler` for `signal`, with the ending signals and the bound's alarm held back while
/// it runs, so that no two of them interleave.
void handle(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const EndingSignal& ending : ENDING_SIGNALS) sigaddset(&action.sa_mask, ending.number);
    sigaddset(&action.sa_mask, SIGALRM);
    ::sigaction(signal, &action, nullptr);
}

/// The bound's alarm reaches the program whatever its starter blocked.
void handleEndStepBound() {
    handle(SIGALRM, onEndStepBoundPassed);
    sigset_t alarmOnly;
    sigemptyset(&alarmOnly);
    sigaddset(&alarmOnly, SIGALRM);
    ::sigprocmask(SIG_UNBLOCK, &alarmOnly, nullptr);
}

void endOn(int signal) {
    struct sigaction current {};
    // A starter that ignores it keeps ignoring it.
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) return;
    handle(signal, onEndingSignal);
}

} // namespace

void prepareProcess() {
    openClosedStandardStreams();
    const int copy = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
    if (copy >= 0) reportDescriptor = copy;
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    // The window's close request reads the end request instead of SDL's quit event, so that
    // the program knows who asked.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    handleEndStepBound();
    for (const EndingSignal& ending : ENDING_SIGNALS) endOn(ending.number);
}

void requestEnd() { bEndRequested = 1; }

bool isEndRequested() { return bEndRequested != 0; }

void noteExitProgress() {
    if (endingSignal != 0) ::alarm(END_STEP_BOUND_SECONDS);
}

} // namespace platform
