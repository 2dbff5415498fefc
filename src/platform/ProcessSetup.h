#pragma once

namespace platform {

/// Process-wide set-up, first thing in `main`, before any file is opened:
/// - a standard stream that the starter closed (some launchers do) is opened on /dev/null, so
///   that no file the program opens later (the log) takes its number and receives what is
///   written to stderr;
/// - SIGXFSZ is ignored, so that a write beyond the file-size limit fails (EFBIG) and is
///   reported like a full disk instead of ending the process without a word;
/// - SIGPIPE is ignored, so that a write to a closed pipe or socket fails (EPIPE) as an error;
/// - SIGHUP (a closed terminal, an ended session) ends the program as SIGTERM does: it saves
///   and exits 0. One ignored by the starter (nohup) stays ignored.
void prepareProcess();

} // namespace platform
