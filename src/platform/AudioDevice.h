#pragma once
#include <functional>
#include <string>

namespace platform {

/// A sound output that pulls interleaved stereo float frames from the engine's mixer.
class AudioDevice {
public:
    /// Fills `frames` stereo frames (2 floats each) at the device frequency. The SDL device
    /// calls it on its own audio thread; the null device calls it inside `update`.
    using Render = std::function<void(float* out, int frames)>;

    /// The rates in Hz an output may be asked for: the game's lowest quality up to the usual
    /// rate of sound cards. SDL's timed drivers sleep one buffer's time per callback and
    /// closing waits for that sleep, which a rate near zero or below makes endless.
    static constexpr int MIN_FREQUENCY = 11025;
    static constexpr int MAX_FREQUENCY = 48000;
    static constexpr bool isPlayable(int frequency) {
        return frequency >= MIN_FREQUENCY && frequency <= MAX_FREQUENCY;
    }

    /// What `update` found had become of the output.
    enum class Change { None, Lost, Regained };

    virtual ~AudioDevice() = default;

    /// Starts output near `frequency` Hz; false (with `getError`) when no output opens.
    /// Opening an open device closes it first.
    virtual bool open(int frequency, Render render) = 0;
    /// Stops output; once it returns, `render` is no longer called. Idempotent.
    virtual void close() = 0;
    /// The frequency obtained when the device opened; 0 while closed.
    virtual int getFrequency() const = 0;
    /// True for an output that nobody hears.
    virtual bool isSilent() const = 0;
    virtual std::string getError() const = 0;
    /// The sound system that plays (as "pulseaudio"); empty for none.
    virtual std::string getSystem() const { return {}; }
    /// Main thread, once per engine frame.
    virtual Change update() { return Change::None; }
};

}  // namespace platform
