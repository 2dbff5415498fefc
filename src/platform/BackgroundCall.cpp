#include "platform/BackgroundCall.h"
#include <condition_variable>
#include <mutex>

namespace platform {

struct BackgroundCall::Progress {
    std::mutex mutex;
    std::condition_variable finished;
    bool bFinished = false;
    bool bLeft = false;
};

BackgroundCall::BackgroundCall(std::function<void()> call, std::function<void()> ifLeft)
    : pProgress(std::make_shared<Progress>()) {
    worker = std::thread([progress = pProgress, call = std::move(call), ifLeft = std::move(ifLeft)] {
        call();
        bool bLeft = false;
        {
            std::lock_guard lock(progress->mutex);
            progress->bFinished = true;
            bLeft = progress->bLeft;
        }
        progress->finished.notify_all();
        if (bLeft && ifLeft) ifLeft();
    });
}

BackgroundCall::~BackgroundCall() { leave(); }

bool BackgroundCall::waitFor(std::chrono::milliseconds bound) {
    {
        std::unique_lock lock(pProgress->mutex);
        if (!pProgress->finished.wait_for(lock, bound, [this] { return pProgress->bFinished; })) return false;
    }
    if (worker.joinable()) worker.join();
    return true;
}

bool BackgroundCall::leave() {
    if (!worker.joinable()) return true;
    {
        std::lock_guard lock(pProgress->mutex);
        if (!pProgress->bFinished) {
            pProgress->bLeft = true;
            worker.detach();
            return false;
        }
    }
    worker.join();
    return true;
}

}  // namespace platform
