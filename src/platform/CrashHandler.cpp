#include "platform/CrashHandler.h"
#include <atomic>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <utility>
#include <unistd.h>
#include "platform/FileIo.h"
#include "platform/SignalSafeLine.h"

namespace platform {

namespace {

struct FatalSignal {
    int number;
    const char* name;
};
constexpr FatalSignal FATAL_SIGNALS[] = {
    {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGILL, "SIGILL"}, {SIGFPE, "SIGFPE"}, {SIGABRT, "SIGABRT"}};
constexpr std::size_t PATH_CAPACITY = 4096;
constexpr int MAX_FRAMES = 64;
constexpr int64_t NO_LOG_LINE = -1;

// Filled once by installCrashHandler; the handler only reads them.
char backtracePath[PATH_CAPACITY];
char logPath[PATH_CAPACITY];
char logCopyPath[PATH_CAPACITY];
alignas(16) char alternateStack[64 * 1024];
// When the log last wrote a line, in CLOCK_MONOTONIC milliseconds; read by the handler.
std::atomic<int64_t> lastLogLineMs{NO_LOG_LINE};
static_assert(std::atomic<int64_t>::is_always_lock_free, "read inside a signal handler");

// A path too long for the buffer is left empty and its file is not written: a cut name would
// leave a file that nothing looks for (the system refuses paths this long anyway).
void copyPath(char (&to)[PATH_CAPACITY], const std::string& from) {
    const std::size_t length = from.size() < PATH_CAPACITY ? from.size() : 0;
    std::memcpy(to, from.data(), length);
    to[length] = '\0';
}

bool isSet(const char* path) { return path[0] != '\0'; }

int64_t monotonicMs() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

const char* signalName(int signalNumber) {
    for (const FatalSignal& fatal : FATAL_SIGNALS)
        if (fatal.number == signalNumber) return fatal.name;
    return "";
}

/// Adds "Fatal signal <n>", how every report of the signal starts.
void appendFatalSignal(SignalSafeLine& line, int signalNumber) {
    line.append("Fatal signal ");
    line.appendNumber(static_cast<unsigned>(signalNumber));
}

/// "Fatal signal <n>.", the backtrace file's first line.
void writeSignalLine(int descriptor, int signalNumber) {
    SignalSafeLine line;
    appendFatalSignal(line, signalNumber);
    line.append(".\n");
    line.writeTo(descriptor);
}

/// The same line stamped as the log's lines are: "+<milliseconds since the log's last line>\t".
void writeStampedSignalLine(int descriptor, int signalNumber) {
    const int64_t last = lastLogLineMs.load(std::memory_order_relaxed);
    SignalSafeLine line;
    line.append("+");
    line.appendNumber(last == NO_LOG_LINE ? 0 : static_cast<unsigned long>(monotonicMs() - last));
    line.append("\t");
    appendFatalSignal(line, signalNumber);
    line.append(".\n");
    line.writeTo(descriptor);
}

/// One line on stderr, as every other error has, for a player who started the program from a
/// terminal: the signal by number and name, and the crash files that were written.
void reportOnStderr(int signalNumber, bool bBacktraceWritten, bool bLogCopied) {
    SignalSafeLine line;
    appendFatalSignal(line, signalNumber);
    line.append(" (");
    line.append(signalName(signalNumber));
    line.append(").");
    if (!bBacktraceWritten && !bLogCopied) line.append(" No crash file could be written.");
    const char* separator = " Crash files: ";
    const std::pair<bool, const char*> files[] = {{bBacktraceWritten, backtracePath},
                                                  {bLogCopied, logCopyPath}};
    for (const auto& [bWritten, path] : files) {
        if (!bWritten) continue;
        line.append(separator);
        line.append(path);
        separator = ", ";
    }
    line.append("\n");
    line.writeTo(STDERR_FILENO);
}

// Every file is opened in place: a link planted at a crash file's name is replaced, never written
// through, and a crash file left by an earlier crash is replaced by this one's, never truncated.
bool writeBacktrace(int signalNumber) {
    if (!isSet(backtracePath)) return false;
    const int file = createInPlace(backtracePath);
    if (file < 0) return false;
    writeSignalLine(file, signalNumber);
    void* frames[MAX_FRAMES];
    const int count = backtrace(frames, MAX_FRAMES);
    backtrace_symbols_fd(frames, count, file);
    return ::close(file) == 0;
}

void appendToLog(int signalNumber) {
    if (!isSet(logPath)) return;
    const int file = openInPlace(logPath, O_WRONLY | O_APPEND);
    if (file < 0) return;
    writeStampedSignalLine(file, signalNumber);
    ::close(file);
}

void onFatalSignal(int signalNumber) {
    const bool bBacktraceWritten = writeBacktrace(signalNumber);
    appendToLog(signalNumber);
    // Before the log exists (a crash at start) there is none to copy.
    const bool bLogCopied = isSet(logPath) && isSet(logCopyPath) && copyInPlace(logPath, logCopyPath);
    reportOnStderr(signalNumber, bBacktraceWritten, bLogCopied);
    _exit(1);
}

}  // namespace

void noteLogLine() { lastLogLineMs.store(monotonicMs(), std::memory_order_relaxed); }

void installCrashHandler(const CrashFiles& files) {
    copyPath(backtracePath, files.backtracePath);
    copyPath(logPath, files.logPath);
    copyPath(logCopyPath, files.logCopyPath);

    // The first call of backtrace loads the unwinder, which allocates: do it now, not in the handler.
    void* warmUp[1];
    backtrace(warmUp, 1);

    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    sigaltstack(&stack, nullptr);

    struct sigaction action {};
    action.sa_handler = onFatalSignal;
    sigemptyset(&action.sa_mask);
    // A second fault inside the handler falls back to the default action and ends the process.
    action.sa_flags = SA_ONSTACK | SA_RESETHAND;
    for (const FatalSignal& fatal : FATAL_SIGNALS) sigaction(fatal.number, &action, nullptr);
}

}  // namespace platform
