#pragma once

namespace platform {

/// Process-wide set-up, first thing in `main`, before any file is opened or SDL started:
/// - a standard stream that the starter closed (some launchers do) is opened on /dev/null, so
///   that no file the program opens later (the log) takes its number and receives what is
///   written to stderr;
/// - SIGXFSZ is ignored, so that a write beyond the file-size limit fails (EFBIG) and is
///   reported like a full disk instead of ending the process without a word;
/// - SIGPIPE is ignored, so that a write to a closed pipe or socket fails (EPIPE) as an error;
/// - SIGTERM, SIGINT and SIGHUP (a closed terminal, an ended session) ask the program to end
///   (`requestEnd`): it saves and exits 0. Where a step of that orderly exit does not come within
///   a few seconds (`noteExitProgress`; a display or sound server that does not answer holds the
///   main thread), or a second such signal comes, the program ends at once by that signal's
///   default action, as a kill would, after a line on stderr saying why. One ignored by the
///   starter (nohup, a shell's background job) stays ignored. SIGALRM belongs to that bound.
void prepareProcess();

/// The system asks the program to end: a signal above, its window destroyed by another client,
/// or its display lost. Nobody may be there to read anything any more, so no error box opens
/// from now on. Async-signal-safe.
void requestEnd();
/// Whether `requestEnd` was called. Any thread.
bool isEndRequested();

/// The orderly exit made a step (the frame loop answered, a file was written, a part was shut
/// down): after an ending signal, the next step gets the bound afresh. Any thread;
/// async-signal-safe.
void noteExitProgress();

} // namespace platform
