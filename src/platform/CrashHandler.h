#pragma once
#include <string>

namespace platform {

/// Where a crash leaves its traces.
struct CrashFiles {
    std::string backtracePath;  ///< the signal and a text backtrace of the faulting thread
    std::string logPath;        ///< the running log, copied after the crash line is added
    std::string logCopyPath;
};

/// Catches the fatal signals (SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT): the handler writes the
/// backtrace file, adds a line naming the signal to the log, stamped as its lines are
/// (`noteLogLine`), copies the log, writes one line on stderr naming the signal and the crash
/// files written (the backtrace alone before the log exists), and ends the process with status
/// 1. It runs on a stack of its own, so a stack overflow is caught too, and uses only calls that
/// are safe inside a signal handler. Each crash file is a new file of its own: a link or an
/// earlier crash's file at that name is replaced, never written through (the newest crash is
/// the one reported). Paths are copied now; a file whose path is longer than the system takes
/// (4095 bytes) is not written.
void installCrashHandler(const CrashFiles& files);

/// The log wrote a line now: the crash line added to it is stamped with the milliseconds since,
/// as each of its lines is with the milliseconds since the one before ("+0" before any line).
/// Any thread.
void noteLogLine();

}  // namespace platform
