#include "platform/CrashHandler.h"
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <fcntl.h>
#include <unistd.h>
#include "platform/FileIo.h"

namespace platform {

namespace {

constexpr int FATAL_SIGNALS[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};
constexpr std::size_t PATH_CAPACITY = 4096;
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

/// "Fatal signal <n>.\n" without formatting functions, which are not signal-safe.
void writeSignalLine(int descriptor, int signalNumber) {
    char digits[12];
    int count = 0;
    unsigned value = static_cast<unsigned>(signalNumber);
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 11);
    char line[32] = "Fatal signal ";
    std::size_t at = std::strlen(line);
    while (count > 0) line[at++] = digits[--count];
    line[at++] = '.';
    line[at++] = '\n';
    line[at] = '\0';
    writeText(descriptor, line);
}

// Every file is opened in place: a link planted at a crash file's name is replaced, never written
// through, and a crash file left by an earlier crash is replaced by this one's, never truncated.
void writeBacktrace(int signalNumber) {
    if (!isSet(backtracePath)) return;
    const int file = createInPlace(backtracePath);
    if (file < 0) return;
    writeSignalLine(file, signalNumber);
    void* frames[MAX_FRAMES];
    const int count = backtrace(frames, MAX_FRAMES);
    backtrace_symbols_fd(frames, count, file);
    ::close(file);
}

void appendToLog(int signalNumber) {
    if (!isSet(logPath)) return;
    const int file = openInPlace(logPath, O_WRONLY | O_APPEND);
    if (file < 0) return;
    writeSignalLine(file, signalNumber);
    ::close(file);
}

void onFatalSignal(int signalNumber) {
    writeBacktrace(signalNumber);
    appendToLog(signalNumber);
    if (isSet(logPath) && isSet(logCopyPath)) copyInPlace(logPath, logCopyPath);
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
    for (int signalNumber : FATAL_SIGNALS) sigaction(signalNumber, &action, nullptr);
}

}  // namespace platform
