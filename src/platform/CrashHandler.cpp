#include "platform/CrashHandler.h"
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <iterator>
#include <utility>
#include <unistd.h>
#include "platform/FileIo.h"

namespace platform {

namespace {

struct FatalSignal {
    int number;
    const char* name;
};
constexpr FatalSignal FATAL_SIGNALS[] = {
    {SIGSEGV, "SIGSEGV"}, {SIGBUS, "SIGBUS"}, {SIGILL, "SIGILL"}, {SIGFPE, "SIGFPE"}, {SIGABRT, "SIGABRT"}};
constexpr std::size_t PATH_CAPACITY = 4096;
// Two paths and the words around them.
constexpr std::size_t LINE_CAPACITY = 2 * PATH_CAPACITY + 128;
constexpr int MAX_FRAMES = 64;

// Filled once by installCrashHandler; the handler only reads them.
char backtracePath[PATH_CAPACITY];
char logPath[PATH_CAPACITY];
char logCopyPath[PATH_CAPACITY];
alignas(16) char alternateStack[64 * 1024];

// A path too long for the buffer is left empty and its file is not written: a cut name would
// leave a file that nothing looks for (the system refuses paths this long anyway).
void copyPath(char (&to)[PATH_CAPACITY], const std::string& from) {
    const std::size_t length = from.size() < PATH_CAPACITY ? from.size() : 0;
    std::memcpy(to, from.data(), length);
    to[length] = '\0';
}

bool isSet(const char* path) { return path[0] != '\0'; }

void writeText(int descriptor, const char* text) {
    std::size_t left = std::strlen(text);
    while (left > 0) {
        const ssize_t written = ::write(descriptor, text, left);
        if (written <= 0) return;
        text += written;
        left -= static_cast<std::size_t>(written);
    }
}

/// A line of text built without formatting functions or the heap, which are not signal-safe;
/// what does not fit is cut.
struct SignalSafeLine {
    char text[LINE_CAPACITY];
    std::size_t length = 0;

    void append(const char* part) {
        while (*part != '\0' && length < LINE_CAPACITY - 1) text[length++] = *part++;
        text[length] = '\0';
    }
    void appendNumber(unsigned value) {
        char digits[12];
        char* first = std::end(digits);
        *--first = '\0';
        do {
            *--first = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value > 0);
        append(first);
    }
};

const char* signalName(int signalNumber) {
    for (const FatalSignal& fatal : FATAL_SIGNALS)
        if (fatal.number == signalNumber) return fatal.name;
    return "";
}

/// "Fatal signal <n>", how every report of the signal starts.
SignalSafeLine fatalSignalLine(int signalNumber) {
    SignalSafeLine line;
    line.append("Fatal signal ");
    line.appendNumber(static_cast<unsigned>(signalNumber));
    return line;
}

/// "Fatal signal <n>.", the crash files' own line.
void writeSignalLine(int descriptor, int signalNumber) {
    SignalSafeLine line = fatalSignalLine(signalNumber);
    line.append(".\n");
    writeText(descriptor, line.text);
}

/// One line on stderr, as every other error has, for a player who started the program from a
/// terminal: the signal by number and name, and the crash files that were written.
void reportOnStderr(int signalNumber, bool bBacktraceWritten, bool bLogCopied) {
    SignalSafeLine line = fatalSignalLine(signalNumber);
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
    writeText(STDERR_FILENO, line.text);
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
    writeSignalLine(file, signalNumber);
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
