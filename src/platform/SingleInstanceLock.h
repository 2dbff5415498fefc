#pragma once
#include <filesystem>

namespace platform {

/// An exclusive lock on a file that lives as long as this object: the first process to take
/// it runs, every later one sees it held. The system drops the lock when the process ends,
/// however it ends, so a crash never leaves a stale lock behind.
class SingleInstanceLock {
public:
    /// Creates the file when missing and tries to take the lock without waiting.
    explicit SingleInstanceLock(const std::filesystem::path& file);
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    /// True when this object holds the lock; false when another holder has it or the file
    /// could not be opened.
    bool isHeld() const { return bHeld; }

private:
    int descriptor = -1;
    bool bHeld = false;
};

}  // namespace platform
