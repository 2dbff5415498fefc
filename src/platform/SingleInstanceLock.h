#pragma once
#include <filesystem>
#include <string>

namespace platform {

/// An exclusive lock on a file that lives as long as this object: the first process to take
/// it runs, every later one sees it held. The system drops the lock when the process ends,
/// however it ends, so a crash never leaves a stale lock behind.
class SingleInstanceLock {
public:
    enum class State {
        Held,          ///< this object holds the lock
        HeldElsewhere, ///< another process holds it
        Unavailable,   ///< the lock file cannot be made or locked (see `getError`)
    };

    /// Creates the file when missing and tries to take the lock without waiting.
    explicit SingleInstanceLock(const std::filesystem::path& file);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    State getState() const { return state; }
    bool isHeld() const { return state == State::Held; }
    /// Why the lock is unavailable, naming the file; empty otherwise.
    const std::string& getError() const { return error; }

private:
    int descriptor = -1;
    State state = State::Unavailable;
    std::string error;
};

}  // namespace platform
