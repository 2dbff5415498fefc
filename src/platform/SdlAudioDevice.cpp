#include "platform/SdlAudioDevice.h"
#include <SDL.h>
#include <algorithm>
#include <cstddef>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>
#include "platform/BackgroundCall.h"
#include "platform/PulseServerProbe.h"

namespace platform {

namespace {

constexpr int OUTPUT_CHANNELS = 2;
constexpr int BUFFER_FRAMES = 1024;  // about 23 ms at 44100 Hz
// A server on this machine answers within milliseconds; the rest of the open's bound is left
// to the systems after it.
constexpr std::chrono::milliseconds PULSE_PROBE_BOUND{1000};

// Held by every call into SDL's audio, which is one global state. A call that never returns
// keeps it, so that nothing else enters that state after it.
std::mutex& sdlAudioCalls() {
    static auto* calls = new std::mutex;  // never destroyed: a stuck worker may hold it at exit
    return *calls;
}

// Takes `calls` within `bound`; false while a call that never returned keeps it. Polled, since
// only a stalled sound server makes anyone wait here (and ThreadSanitizer follows no timed lock).
bool lockWithin(std::unique_lock<std::mutex>& calls, std::chrono::milliseconds bound) {
    const auto deadline = std::chrono::steady_clock::now() + bound;
    while (!calls.try_lock()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// The systems to try in turn: SDL_AUDIODRIVER's comma-separated list when set, else SDL's own
// order without its dummy and disk outputs, which nobody hears.
std::vector<std::string> soundSystems() {
    std::vector<std::string> systems;
    if (const char* chosen = SDL_GetHint(SDL_HINT_AUDIODRIVER); chosen && *chosen) {
        const std::string list = chosen;
        for (size_t start = 0; start <= list.size();) {
            const size_t end = std::min(list.find(',', start), list.size());
            if (end > start) systems.push_back(list.substr(start, end - start));
            start = end + 1;
        }
        return systems;
    }
    for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
        const std::string name = SDL_GetAudioDriver(i);
        if (name != "dummy" && name != "disk") systems.push_back(name);
    }
    return systems;
}

// SDL takes a system's name in any case, and "pulse" for PulseAudio's.
bool namesPulse(const std::string& system) {
    return SDL_strcasecmp(system.c_str(), "pulseaudio") == 0 || SDL_strcasecmp(system.c_str(), "pulse") == 0;
}

}  // namespace

/// What SDL's callback renders through: the render while the feed plays, silence otherwise.
/// Whatever lets a device go keeps its feed until SDL no longer calls it.
struct SdlAudioDevice::Feed {
    explicit Feed(Render feedRender) : render(std::move(feedRender)) {}

    /// SDL's audio thread.
    void fill(float* out, int frames) {
        std::lock_guard lock(mutex);
        if (bPlaying) {
            render(out, frames);
        } else {
            std::fill(out, out + static_cast<ptrdiff_t>(frames) * OUTPUT_CHANNELS, 0.0f);
        }
    }
    /// Main thread; once it has stopped the feed, the render is not called through it again.
    void setPlaying(bool bPlay) {
        std::lock_guard lock(mutex);
        bPlaying = bPlay;
    }

    std::mutex mutex;
    bool bPlaying = false;
    const Render render;
};

/// One try to open an output, shared by the main thread and the worker that makes it.
struct SdlAudioDevice::Opening {
    // Set before the worker starts.
    int frequency = 0;
    bool bExactRate = false;  // else SDL may give the output's own rate
    std::shared_ptr<Feed> feed;
    uint32_t lostDevice = 0;  // let go of first, with its feed
    std::shared_ptr<Feed> lostFeed;
    // The worker's until it has finished.
    uint32_t device = 0;
    int obtained = 0;
    std::string system;

    void begin(const std::string& tried) {
        std::lock_guard lock(mutex);
        trying = tried;
    }
    /// Notes why the system being tried does not play; SDL's reason may name it already.
    void fail(const std::string& why) {
        std::lock_guard lock(mutex);
        const bool bNamed = SDL_strncasecmp(why.c_str(), trying.c_str(), trying.size()) == 0;
        failures += (failures.empty() ? "" : "; ") + (bNamed ? why : trying + ": " + why);
        trying.clear();
    }
    /// Why no output opened: each system tried, and the one that gave no answer in `bound`.
    std::string describe(std::chrono::milliseconds bound) {
        std::lock_guard lock(mutex);
        if (!trying.empty() || failures.empty()) {
            const std::string silent = (trying.empty() ? "the sound system" : trying) + ": no answer within " +
                                       std::to_string(bound.count()) + " ms";
            return failures.empty() ? silent : failures + "; " + silent;
        }
        return failures;
    }

private:
    std::mutex mutex;
    std::string trying;
    std::string failures;
};

SdlAudioDevice::SdlAudioDevice() = default;

SdlAudioDevice::~SdlAudioDevice() { close(); }

bool SdlAudioDevice::open(int wantedFrequency, Render newRender) {
    close();
    if (!isPlayable(wantedFrequency)) {
        error = "no output at " + std::to_string(wantedFrequency) + " Hz";
        return false;
    }
    render = std::move(newRender);
    startOpening(wantedFrequency, false, 0, nullptr);
    const bool bFinished = pCall->waitFor(OPEN_BOUND) || pCall->leave();
    const std::shared_ptr<Opening> opening = std::move(pOpening);
    pCall.reset();
    if (!bFinished || opening->device == 0) {
        error = opening->describe(OPEN_BOUND);
        render = nullptr;
        return false;
    }
    frequency = opening->obtained;
    take(*opening);
    return true;
}

void SdlAudioDevice::close() {
    leaveOpening();
    standIn.close();
    bLost = false;
    if (device != 0) {
        pFeed->setPlaying(false);
        letGoWithin(device, pFeed);
    }
    device = 0;
    pFeed.reset();
    frequency = 0;
    render = nullptr;
    system.clear();
}

AudioDevice::Change SdlAudioDevice::update() {
    if (bLost) return tryAgain();
    if (device == 0 || SDL_GetAudioDeviceStatus(device) != SDL_AUDIO_STOPPED) return Change::None;
    lose();
    return Change::Lost;
}

void SdlAudioDevice::callback(void* feed, uint8_t* stream, int bytes) {
    const int frames = bytes / static_cast<int>(sizeof(float) * OUTPUT_CHANNELS);
    static_cast<Feed*>(feed)->fill(reinterpret_cast<float*>(stream), frames);
}

void SdlAudioDevice::openOnWorker(Opening& opening) {
    std::unique_lock calls(sdlAudioCalls(), std::defer_lock);
    if (!lockWithin(calls, OPEN_BOUND)) return;
    if (opening.lostDevice != 0) SDL_AudioQuit();  // closes the lost device
    for (const std::string& system : soundSystems()) {
        opening.begin(system);
        const auto fault = namesPulse(system) ? findPulseServerFault(PULSE_PROBE_BOUND) : std::nullopt;
        // Leaves the system that was in use first, and the devices it had open.
        if (fault || SDL_AudioInit(system.c_str()) != 0) {
            opening.fail(fault ? *fault : SDL_GetError());
            continue;
        }
        // The first system that starts plays or none does, as where SDL chooses.
        openOutput(opening);
        break;
    }
    SDL_TLSCleanup();  // SDL keeps its error text for each thread, and this one is not SDL's
}

void SdlAudioDevice::openOutput(Opening& opening) {
    SDL_AudioSpec want{};
    want.freq = opening.frequency;
    want.format = AUDIO_F32SYS;
    want.channels = OUTPUT_CHANNELS;
    want.samples = BUFFER_FRAMES;
    want.callback = &SdlAudioDevice::callback;
    want.userdata = opening.feed.get();
    SDL_AudioSpec have{};
    const uint32_t device =
        SDL_OpenAudioDevice(nullptr, 0, &want, &have, opening.bExactRate ? 0 : SDL_AUDIO_ALLOW_FREQUENCY_CHANGE);
    if (device == 0) {
        opening.fail(SDL_GetError());
        SDL_AudioQuit();
        return;
    }
    SDL_PauseAudioDevice(device, 0);
    opening.device = device;
    opening.obtained = have.freq;
    opening.system = SDL_GetCurrentAudioDriver();
}

void SdlAudioDevice::letGo(uint32_t device, const std::shared_ptr<Feed>& feed) {
    std::lock_guard calls(sdlAudioCalls());
    SDL_CloseAudioDevice(device);  // waits for SDL's audio thread, which a stalled server holds
    SDL_TLSCleanup();
    static_cast<void>(feed);  // kept until here
}

void SdlAudioDevice::letGoWithin(uint32_t device, std::shared_ptr<Feed> feed) {
    BackgroundCall closing([device, feed = std::move(feed)] { letGo(device, feed); }, {});
    closing.waitFor(CLOSE_BOUND);
}

void SdlAudioDevice::startOpening(int wantedFrequency, bool bExactRate, uint32_t lostDevice,
                                  std::shared_ptr<Feed> lostFeed) {
    auto opening = std::make_shared<Opening>();
    opening->frequency = wantedFrequency;
    opening->bExactRate = bExactRate;
    opening->feed = std::make_shared<Feed>(render);
    opening->lostDevice = lostDevice;
    opening->lostFeed = std::move(lostFeed);
    pCall = std::make_unique<BackgroundCall>([opening] { openOnWorker(*opening); },
                                             [opening] {
                                                 if (opening->device != 0) letGo(opening->device, opening->feed);
                                             });
    pOpening = std::move(opening);
}

void SdlAudioDevice::leaveOpening() {
    if (!pCall) return;
    if (pCall->leave() && pOpening->device != 0) letGoWithin(pOpening->device, pOpening->feed);
    pCall.reset();
    pOpening.reset();
}

void SdlAudioDevice::take(const Opening& opening) {
    device = opening.device;
    pFeed = opening.feed;
    system = opening.system;
    pFeed->setPlaying(true);
}

void SdlAudioDevice::lose() {
    pFeed->setPlaying(false);
    bLost = true;
    standIn.open(frequency, render);
    startOpening(frequency, true, device, std::move(pFeed));
    device = 0;
}

AudioDevice::Change SdlAudioDevice::tryAgain() {
    standIn.update();
    const auto now = std::chrono::steady_clock::now();
    if (!pCall) {
        if (now >= nextTry) startOpening(frequency, true, 0, nullptr);
        return Change::None;
    }
    if (!pCall->hasFinished()) return Change::None;
    const std::shared_ptr<Opening> opening = std::move(pOpening);
    pCall.reset();
    if (opening->device == 0) {
        nextTry = now + RETRY_INTERVAL;
        return Change::None;
    }
    standIn.close();
    bLost = false;
    take(*opening);
    return Change::Regained;
}

}  // namespace platform
