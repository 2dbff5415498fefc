#pragma once
#include <cstdint>
#include "platform/AudioDevice.h"

namespace platform {

/// Output through SDL's audio callback (32-bit float stereo). `SDL_AUDIODRIVER=dummy` gives a
/// device that consumes frames in real time without a sound card.
class SdlAudioDevice : public AudioDevice {
public:
    SdlAudioDevice() = default;
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool open(int frequency, Render render) override;
    void close() override;
    int getFrequency() const override { return frequency; }
    bool isSilent() const override { return false; }
    std::string getError() const override { return error; }

private:
    static void callback(void* self, uint8_t* stream, int bytes);

    uint32_t device = 0;
    bool bSubsystemUp = false;
    int frequency = 0;
    Render render;
    std::string error;
};

}  // namespace platform
