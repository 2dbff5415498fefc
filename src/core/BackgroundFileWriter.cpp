#include "core/BackgroundFileWriter.h"
#include <system_error>
#include <utility>
#include "core/StringUtil.h"
#include "platform/FileIo.h"
#include "platform/ProcessSetup.h"

BackgroundFileWriter::BackgroundFileWriter(WideStringView path) : path(path), fileName(toFileName(path)) {}

BackgroundFileWriter::~BackgroundFileWriter() {
    if (worker.joinable()) {
        worker.request_stop();
        worker.join();
    }
}

void BackgroundFileWriter::write(std::vector<uint8_t> bytes) {
    {
        std::lock_guard lock(mutex);
        pending = std::move(bytes);
    }
    changed.notify_all();
    if (worker.joinable()) return;
    try {
        worker = std::jthread([this](std::stop_token stop) { run(stop); });
    } catch (const std::system_error&) {
        std::stop_source stopped;
        stopped.request_stop();
        run(stopped.get_token());
    }
}

void BackgroundFileWriter::wait() {
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return !pending && !bWriting; });
}

bool BackgroundFileWriter::isDone() {
    std::lock_guard lock(mutex);
    return !pending && !bWriting;
}

std::vector<std::string> BackgroundFileWriter::takeFailures() {
    std::lock_guard lock(mutex);
    return std::exchange(failures, {});
}

void BackgroundFileWriter::run(std::stop_token stop) {
    std::unique_lock lock(mutex);
    // Once stopped, the wait still hands out the version that waits: the program's end keeps it.
    while (changed.wait(lock, stop, [this] { return pending.has_value(); })) {
        const std::vector<uint8_t> bytes = std::move(*pending);
        pending.reset();
        bWriting = true;
        lock.unlock();
        std::string error;
        const bool bWritten = platform::writeFileAtomically(fileName, bytes, error);
        platform::noteExitProgress(); // an exit waits for the disk as long as it writes
        lock.lock();
        bWriting = false;
        if (!bWritten) failures.push_back(std::move(error));
        changed.notify_all();
    }
}
