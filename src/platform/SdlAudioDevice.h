#pragma once
#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include "platform/AudioDevice.h"
#include "platform/NullAudioDevice.h"

namespace platform {

class BackgroundCall;

/// Output through SDL's audio callback (32-bit float stereo) on the first sound system, in
/// SDL's order or `SDL_AUDIODRIVER`'s list, that opens one; `SDL_AUDIODRIVER=dummy` gives a
/// device that consumes frames in real time without a sound card. A sound server may stall or
/// die at any time, and SDL then waits for it without a bound: every call into SDL's audio
/// runs on a worker, which the main thread waits for with a bound or polls. A lost output is
/// followed by a stand-in that plays silently in real time while the default output is asked
/// for again. Main thread only; the render runs on SDL's audio thread, or on the main thread
/// while the stand-in plays. SDL has one sound system at a time: one open device a process.
class SdlAudioDevice : public AudioDevice {
public:
    /// The longest the main thread waits for the sound system to open an output, and to let one
    /// go; past them it goes on (or ends) silent and the worker finishes on its own.
    static constexpr std::chrono::milliseconds OPEN_BOUND{3000};
    static constexpr std::chrono::milliseconds CLOSE_BOUND{2000};
    /// The time between two tries to open the default output again after it was lost.
    static constexpr std::chrono::milliseconds RETRY_INTERVAL{2000};

    SdlAudioDevice();
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    bool open(int frequency, Render render) override;
    void close() override;
    int getFrequency() const override { return frequency; }
    bool isSilent() const override { return bLost; }
    std::string getError() const override { return error; }
    std::string getSystem() const override { return system; }
    /// Notices a lost output and takes the default output again once one opens.
    Change update() override;

private:
    struct Feed;
    struct Opening;

    static void callback(void* feed, uint8_t* stream, int bytes);
    static void openOnWorker(Opening& opening);
    static void openOutput(Opening& opening);
    /// Closes `device`, waiting as long as SDL does; `feed`, which SDL calls until then, is kept
    /// as long. The sound system stays up until the next open or the process end: SDL 2.26 frees
    /// its list of a system's devices before it stops the thread that adds to it, and loses a
    /// device that the sound server announces in between (as it does when a stream closes).
    static void letGo(uint32_t device, const std::shared_ptr<Feed>& feed);
    static void letGoWithin(uint32_t device, std::shared_ptr<Feed> feed);
    void startOpening(int wantedFrequency, bool bExactRate, uint32_t lostDevice, std::shared_ptr<Feed> lostFeed);
    void leaveOpening();
    void take(const Opening& opening);
    void lose();
    Change tryAgain();

    uint32_t device = 0;
    std::shared_ptr<Feed> pFeed;  // the open device's
    int frequency = 0;
    Render render;
    std::string error;
    std::string system;
    bool bLost = false;
    NullAudioDevice standIn;  // plays while the output is lost
    std::unique_ptr<BackgroundCall> pCall;  // the opening under way
    std::shared_ptr<Opening> pOpening;
    std::chrono::steady_clock::time_point nextTry;  // of the next opening while lost
};

}  // namespace platform
