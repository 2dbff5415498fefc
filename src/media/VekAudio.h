#pragma once
#include <functional>
#include <memory>
#include "media/AudioMixer.h"

namespace platform {
class AudioDevice;
}
class SoundStream;
class UserSettings;

/// The audio service: the output device, the mixer it pulls from, the global volumes and the
/// current music stream. Main thread only (the mixer is the one part the audio thread sees).
/// Without a device it plays silently on the null device and every call behaves the same.
class VekAudio {
public:
    /// The game's default sound quality: a fresh install plays from its first start at the rate
    /// its sound options show.
    static constexpr int DEFAULT_FREQUENCY = 22050;
    static constexpr char16_t SETTINGS_SECTION[] = u"VekAudio";

    /// What the engine settings ask of the output.
    struct Settings {
        bool bNoAudio = false;
        int frequency = DEFAULT_FREQUENCY;  // Hz; a rate no output plays is replaced by the default
    };
    static Settings readSettings(UserSettings& userSettings);

    /// Opens `device` at `frequency`, once: the output keeps that rate until the service ends.
    /// A null device, or one that does not open, is replaced by the null device and the log
    /// says so. A later output frequency is written to `userSettings` (when given).
    explicit VekAudio(std::unique_ptr<platform::AudioDevice> device, int frequency = DEFAULT_FREQUENCY,
                      UserSettings* userSettings = nullptr);
    /// The SDL output, or the null device when `bNoAudio` is set.
    explicit VekAudio(bool bNoAudio, int frequency = DEFAULT_FREQUENCY, UserSettings* userSettings = nullptr);
    ~VekAudio();
    VekAudio(const VekAudio&) = delete;
    VekAudio& operator=(const VekAudio&) = delete;

    /// The running audio service, or null before it exists and after it is gone.
    static VekAudio* get();

    /// The output frequency in Hz, taken when audio next starts.
    int getOutputFrequency() const { return outputFrequency; }
    /// Keeps `frequency` in the engine settings for the next start; the output playing now
    /// keeps its rate. Logged only where an output plays.
    void setOutputFrequency(int frequency);
    /// The frequency the output obtained when it opened.
    int getDeviceFrequency() const;
    bool isSilent() const;

    /// 0 to 10000 (clamped). Samples, streams, and the current music stream each have one.
    void setGlobalVolume(VolumeGroup group, int volume);
    int getGlobalVolume(VolumeGroup group) const;

    SoundStream* getCurrentMusic() const { return pCurrentMusic; }
    /// Marks `stream` (or none) as the music: it then follows the music volume.
    void setCurrentMusic(SoundStream* stream);
    /// Stops the current music stream and forgets it.
    void stopMusic();

    /// While set, samples and streams only check their file exists and load on first use.
    void setDelayedLoad(bool bEnabled) { bEnableDelayedLoad = bEnabled; }
    bool isDelayedLoad() const { return bEnableDelayedLoad; }

    /// Seconds on the clock that replay intervals are measured with (the physical clock
    /// unless replaced).
    double now() const { return clock(); }
    void setClock(std::function<double()> newClock) { clock = std::move(newClock); }

    /// Once per engine frame: lets a silent output consume the time that passed, and logs an
    /// output lost or taken again.
    void update();

    AudioMixer& getMixer() { return mixer; }
    const AudioMixer& getMixer() const { return mixer; }

private:
    void open(std::unique_ptr<platform::AudioDevice> device, int frequency);
    /// Lets every voice fall silent before the output closes, which would cut them with a click;
    /// waits a bounded time, since a stalled output renders nothing.
    void fadeOutBeforeClosing();

    AudioMixer mixer;
    std::unique_ptr<platform::AudioDevice> pDevice;
    int outputFrequency;  // may differ from what the device gave
    UserSettings* pUserSettings;
    SoundStream* pCurrentMusic = nullptr;
    bool bEnableDelayedLoad = true;
    std::function<double()> clock;
};
