#include "platform/SdlAudioDevice.h"
#include <SDL.h>
#include <string>

namespace platform {

namespace {
constexpr int OUTPUT_CHANNELS = 2;
constexpr int BUFFER_FRAMES = 1024;  // about 23 ms at 44100 Hz
}  // namespace

SdlAudioDevice::~SdlAudioDevice() { close(); }

bool SdlAudioDevice::open(int wantedFrequency, Render newRender) {
    close();
    if (!isPlayable(wantedFrequency)) {
        error = "no output at " + std::to_string(wantedFrequency) + " Hz";
        return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        error = SDL_GetError();
        return false;
    }
    bSubsystemUp = true;
    render = std::move(newRender);

    SDL_AudioSpec want{};
    want.freq = wantedFrequency;
    want.format = AUDIO_F32SYS;
    want.channels = OUTPUT_CHANNELS;
    want.samples = BUFFER_FRAMES;
    want.callback = &SdlAudioDevice::callback;
    want.userdata = this;
    SDL_AudioSpec have{};
    device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) {
        error = SDL_GetError();
        close();
        return false;
    }
    frequency = have.freq;
    SDL_PauseAudioDevice(device, 0);
    return true;
}

void SdlAudioDevice::close() {
    if (device != 0) SDL_CloseAudioDevice(device);  // waits for a running callback
    device = 0;
    frequency = 0;
    render = nullptr;
    if (bSubsystemUp) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    bSubsystemUp = false;
}

void SdlAudioDevice::callback(void* self, uint8_t* stream, int bytes) {
    auto* device = static_cast<SdlAudioDevice*>(self);
    const int frames = bytes / static_cast<int>(sizeof(float) * OUTPUT_CHANNELS);
    device->render(reinterpret_cast<float*>(stream), frames);
}

}  // namespace platform
