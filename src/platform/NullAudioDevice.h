#pragma once
#include <chrono>
#include <vector>
#include "platform/AudioDevice.h"

namespace platform {

/// The output of a machine without sound: nothing is heard, but `update` still pulls as
/// many frames as real time allows, so voices end and slides finish as they would aloud.
class NullAudioDevice : public AudioDevice {
public:
    bool open(int frequency, Render render) override;
    void close() override;
    int getFrequency() const override { return frequency; }
    bool isSilent() const override { return true; }
    std::string getError() const override { return {}; }
    /// Pulls the frames of the time passed since the last update (at most one second).
    Change update() override;
    /// Pulls `frames` frames at once and drops them.
    void pump(int frames);

private:
    using Clock = std::chrono::steady_clock;

    int frequency = 0;
    Render render;
    Clock::time_point lastUpdate;
    double pendingFrames = 0.0;
    std::vector<float> scratch;
};

}  // namespace platform
