#include "media/VekAudio.h"
#include <chrono>
#include <thread>
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/TimeKeeper.h"
#include "core/UserSettings.h"
#include "media/SoundStream.h"
#include "platform/NullAudioDevice.h"
#include "platform/SdlAudioDevice.h"

namespace {
VekAudio* current = nullptr;
constexpr char16_t FREQUENCY_KEY[] = u"frequency";
// The stop's slide and the output's buffers that hold it: 1024 frames are 93 ms at 11025 Hz.
constexpr std::chrono::milliseconds EXIT_FADE_BOUND{150};

// "22050 Hz through pulseaudio", or the rate alone where the output names no sound system.
WideString describeOutput(const platform::AudioDevice& device) {
    const std::string system = device.getSystem();
    return stringf(u"%d Hz", device.getFrequency()) + (system.empty() ? u"" : u" through " + fromUtf8(system));
}
}  // namespace

VekAudio::Settings VekAudio::readSettings(UserSettings& userSettings) {
    Settings read;
    read.bNoAudio = userSettings.getBool(SETTINGS_SECTION, u"bNoAudio", false);
    read.frequency = userSettings.getIntInRange(SETTINGS_SECTION, FREQUENCY_KEY, DEFAULT_FREQUENCY,
                                                platform::AudioDevice::MIN_FREQUENCY,
                                                platform::AudioDevice::MAX_FREQUENCY);
    return read;
}

VekAudio::VekAudio(std::unique_ptr<platform::AudioDevice> device, int frequency, UserSettings* userSettings)
    : mixer(frequency), outputFrequency(frequency), pUserSettings(userSettings),
      clock([] { return TimeKeeper().getPhysicalTime(); }) {
    current = this;
    open(std::move(device), frequency);
}

VekAudio::VekAudio(bool bNoAudio, int frequency, UserSettings* userSettings)
    : VekAudio(bNoAudio ? std::unique_ptr<platform::AudioDevice>() : std::make_unique<platform::SdlAudioDevice>(),
               frequency, userSettings) {}

VekAudio::~VekAudio() {
    fadeOutBeforeClosing();
    pDevice->close();
    if (current == this) current = nullptr;
}

VekAudio* VekAudio::get() { return current; }

void VekAudio::fadeOutBeforeClosing() {
    // Nobody hears a silent output, and it renders only when updated.
    if (pDevice->isSilent()) return;
    mixer.stopAll();
    const auto deadline = std::chrono::steady_clock::now() + EXIT_FADE_BOUND;
    while (!mixer.hasLetGoOfAll() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

void VekAudio::open(std::unique_ptr<platform::AudioDevice> device, int frequency) {
    auto render = [this](float* out, int frames) { mixer.render(out, frames); };
    if (!device) {
        VEK_LOG(u"Audio is off; playing silently.");
    } else if (device->open(frequency, render)) {
        VEK_LOG(u"Audio output at %s.", describeOutput(*device));
    } else {
        VEK_LOG(u"No sound device (%s); playing silently.", fromUtf8(device->getError()));
        device.reset();
    }
    if (!device) {
        device = std::make_unique<platform::NullAudioDevice>();
        device->open(frequency, render);
    }
    pDevice = std::move(device);
    mixer.setOutputFrequency(pDevice->getFrequency());
}

void VekAudio::setOutputFrequency(int frequency) {
    if (frequency == outputFrequency) return;
    outputFrequency = frequency;
    if (pUserSettings) pUserSettings->setInt(SETTINGS_SECTION, FREQUENCY_KEY, frequency);
    if (!isSilent()) VEK_LOG(u"Audio output at %d Hz from the next start.", frequency);
}

int VekAudio::getDeviceFrequency() const { return pDevice->getFrequency(); }

bool VekAudio::isSilent() const { return pDevice->isSilent(); }

void VekAudio::setGlobalVolume(VolumeGroup group, int volume) { mixer.setGlobalVolume(group, volume); }

int VekAudio::getGlobalVolume(VolumeGroup group) const { return mixer.getGlobalVolume(group); }

void VekAudio::setCurrentMusic(SoundStream* stream) {
    if (pCurrentMusic) mixer.setGroup(pCurrentMusic->getVoice(), VolumeGroup::Stream);
    pCurrentMusic = stream;
    if (pCurrentMusic) mixer.setGroup(pCurrentMusic->getVoice(), VolumeGroup::Music);
}

void VekAudio::stopMusic() {
    if (pCurrentMusic) pCurrentMusic->stop();
    pCurrentMusic = nullptr;
}

void VekAudio::update() {
    switch (pDevice->update()) {
    case platform::AudioDevice::Change::Lost:
        VEK_LOG(u"The audio output through %s was lost; playing silently until an output opens again.",
                fromUtf8(pDevice->getSystem()));
        break;
    case platform::AudioDevice::Change::Regained:
        VEK_LOG(u"Audio output at %s again.", describeOutput(*pDevice));
        break;
    case platform::AudioDevice::Change::None:
        break;
    }
}
