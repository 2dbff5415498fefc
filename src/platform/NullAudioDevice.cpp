#include "platform/NullAudioDevice.h"
#include <algorithm>

namespace platform {

namespace {
constexpr int CHUNK_FRAMES = 1024;
constexpr double MAX_CATCH_UP_SECONDS = 1.0;
}  // namespace

bool NullAudioDevice::open(int wantedFrequency, Render newRender) {
    frequency = wantedFrequency;
    render = std::move(newRender);
    lastUpdate = Clock::now();
    pendingFrames = 0.0;
    return true;
}

void NullAudioDevice::close() {
    frequency = 0;
    render = nullptr;
}

AudioDevice::Change NullAudioDevice::update() {
    if (!render) return Change::None;
    const Clock::time_point now = Clock::now();
    const double seconds = std::min(std::chrono::duration<double>(now - lastUpdate).count(), MAX_CATCH_UP_SECONDS);
    lastUpdate = now;
    pendingFrames += seconds * frequency;
    const int frames = static_cast<int>(pendingFrames);
    pendingFrames -= frames;
    pump(frames);
    return Change::None;
}

void NullAudioDevice::pump(int frames) {
    if (!render) return;
    scratch.resize(static_cast<size_t>(CHUNK_FRAMES) * 2);
    while (frames > 0) {
        const int chunk = std::min(frames, CHUNK_FRAMES);
        render(scratch.data(), chunk);
        frames -= chunk;
    }
}

}  // namespace platform
