#pragma once
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>
#include "core/WideString.h"

/// Writes new versions of one file on a worker thread of its own, each atomically
/// (`platform::writeFileAtomically`: a temporary file, synced, renamed over the file), so that no
/// frame waits for the disk. A version handed over while an older one still waits replaces it:
/// the newest is always written last, an older one never after it. The worker touches nothing but
/// the hand-over and the failures below, under the mutex: no logger, no engine object
/// (each file written counts as a step of the exit, `platform::noteExitProgress`). The methods
/// belong to one thread, the main thread.
class BackgroundFileWriter {
  public:
    explicit BackgroundFileWriter(WideStringView path);
    /// Writes the version still waiting, then stops the worker.
    ~BackgroundFileWriter();
    BackgroundFileWriter(const BackgroundFileWriter&) = delete;
    BackgroundFileWriter& operator=(const BackgroundFileWriter&) = delete;

    /// Hands `bytes`, the whole new file, to the worker (started at the first call) and returns
    /// at once; without a thread to be had, writes them here.
    void write(std::vector<uint8_t> bytes);
    /// Returns once every version handed over is written or has failed.
    void wait();
    /// Whether every version handed over is written or has failed, without waiting. Once true, the
    /// failures of those versions are there for `takeFailures`.
    bool isDone();
    /// Why each write failed since the last call, oldest first; empty when none did. The file
    /// holds the last version that was written (or the file that stood before).
    std::vector<std::string> takeFailures();
    const WideString& getPath() const { return path; }

  private:
    void run(std::stop_token stop);

    const WideString path;
    const std::filesystem::path fileName;
    std::mutex mutex;
    std::condition_variable_any changed; ///< a version handed over, or one written
    std::optional<std::vector<uint8_t>> pending;
    bool bWriting = false;
    std::vector<std::string> failures;
    std::jthread worker; ///< declared last: stopped and joined before the members it uses go away
};
