#pragma once
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace platform {

/// One call into a library that may never return, run on a thread of its own: the starter
/// waits for it with a bound, polls it or leaves it, and is never held longer. A call left
/// before it finished runs `ifLeft` on its own thread once it does, instead of handing its
/// results over; so the call and `ifLeft` own (share) everything they touch. The starter's
/// side is one thread's.
class BackgroundCall {
public:
    BackgroundCall(std::function<void()> call, std::function<void()> ifLeft);
    /// Leaves the call when it has not finished.
    ~BackgroundCall();
    BackgroundCall(const BackgroundCall&) = delete;
    BackgroundCall& operator=(const BackgroundCall&) = delete;

    /// Waits at most `bound` for the call; true once it has finished, when its results are
    /// the starter's to read.
    bool waitFor(std::chrono::milliseconds bound);
    bool hasFinished() { return waitFor(std::chrono::milliseconds(0)); }
    /// Gives the call up; true when it had finished all the same (its results are then the
    /// starter's, and `ifLeft` does not run).
    bool leave();

private:
    struct Progress;

    std::shared_ptr<Progress> pProgress;
    std::thread worker;
};

}  // namespace platform
