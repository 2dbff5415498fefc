#include "media/AudioMixer.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <mutex>
#include <new>
#include <numbers>
#include <thread>
#include "VorbisTestFile.h"
#include "media/PcmSource.h"
#include "media/VorbisSource.h"

namespace {

/// Allocations and frees of the thread inside a `CountedAllocations` scope: through new and
/// delete, and C heap calls (which new and delete make too).
thread_local bool bCountingAllocations = false;
thread_local int countedAllocations = 0;
thread_local int countedCHeapCalls = 0;

// The sanitizers replace the C heap with their own, which a counter must not stand in for.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define SANITIZED_C_HEAP 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define SANITIZED_C_HEAP 1
#endif
#endif
#ifdef SANITIZED_C_HEAP
constexpr bool bCHeapCounted = false;
#else
constexpr bool bCHeapCounted = true;
#endif

struct CountedAllocations {
    CountedAllocations() {
        countedAllocations = countedCHeapCalls = 0;
        bCountingAllocations = true;
    }
    ~CountedAllocations() { bCountingAllocations = false; }
};

void* countedAllocation(std::size_t size) noexcept {
    if (bCountingAllocations) ++countedAllocations;
    return std::malloc(size > 0 ? size : 1);
}

void* orAbort(void* p) {
    if (!p) std::abort();
    return p;
}

// Out of line: inlined after a new, the compiler takes the free for a mismatched one.
[[gnu::noinline]] void countedFree(void* p) noexcept {
    if (p && bCountingAllocations) ++countedAllocations;
    std::free(p);
}

}  // namespace

// Every unaligned form, so that no block passes between these and the library's own.
void* operator new(std::size_t size) { return orAbort(countedAllocation(size)); }
void* operator new[](std::size_t size) { return orAbort(countedAllocation(size)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return countedAllocation(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return countedAllocation(size); }
void operator delete(void* p) noexcept { countedFree(p); }
void operator delete[](void* p) noexcept { countedFree(p); }
void operator delete(void* p, std::size_t) noexcept { countedFree(p); }
void operator delete[](void* p, std::size_t) noexcept { countedFree(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { countedFree(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { countedFree(p); }

#ifndef SANITIZED_C_HEAP
// The whole program's malloc, calloc, realloc and free, forwarded to the C library's allocator
// (which its aligned forms use directly, so blocks pass safely between them).
extern "C" {
void* __libc_malloc(std::size_t size) noexcept;
void* __libc_calloc(std::size_t count, std::size_t size) noexcept;
void* __libc_realloc(void* p, std::size_t size) noexcept;
void __libc_free(void* p) noexcept;

void* malloc(std::size_t size) noexcept {
    if (bCountingAllocations) ++countedCHeapCalls;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) noexcept {
    if (bCountingAllocations) ++countedCHeapCalls;
    return __libc_calloc(count, size);
}
void* realloc(void* p, std::size_t size) noexcept {
    if (bCountingAllocations) ++countedCHeapCalls;
    return __libc_realloc(p, size);
}
void free(void* p) noexcept {
    if (p && bCountingAllocations) ++countedCHeapCalls;
    __libc_free(p);
}
}
#endif

namespace {

constexpr int RATE = 44100;

std::shared_ptr<const PcmData> makePcm(std::vector<float> samples, int channels = 1, int frequency = RATE) {
    auto pcm = std::make_shared<PcmData>();
    pcm->frequency = frequency;
    pcm->channels = channels;
    pcm->samples = std::move(samples);
    return pcm;
}

std::shared_ptr<const PcmData> constant(float value, int frames) {
    return makePcm(std::vector<float>(static_cast<size_t>(frames), value));
}

struct Stereo {
    std::vector<float> left, right;
};

Stereo render(AudioMixer& mixer, int frames) {
    std::vector<float> buffer(static_cast<size_t>(frames) * 2);
    mixer.render(buffer.data(), frames);
    Stereo out;
    for (int f = 0; f < frames; ++f) {
        out.left.push_back(buffer[2 * f]);
        out.right.push_back(buffer[2 * f + 1]);
    }
    return out;
}

float peak(const std::vector<float>& signal) {
    float top = 0.0f;
    for (const float v : signal) top = std::max(top, std::fabs(v));
    return top;
}

/// The largest difference between neighbouring samples.
float largestStep(const std::vector<float>& signal) {
    float largest = 0.0f;
    for (size_t i = 1; i < signal.size(); ++i)
        largest = std::max(largest, std::fabs(signal[i] - signal[i - 1]));
    return largest;
}

/// The longest run of equal neighbouring samples louder than half scale: what clipping leaves.
int longestFlatRun(const std::vector<float>& signal) {
    int longest = 0, run = 0;
    for (size_t i = 1; i < signal.size(); ++i) {
        run = signal[i] == signal[i - 1] && std::fabs(signal[i]) > 0.5f ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

double rmsDb(const std::vector<float>& signal, size_t from) {
    double squares = 0.0;
    for (size_t i = from; i < signal.size(); ++i) squares += static_cast<double>(signal[i]) * signal[i];
    return 10.0 * std::log10(squares / static_cast<double>(signal.size() - from));
}

/// The level in dB of the sine at `cycles` per frame in `signal` from frame `from` on.
double toneLevelDb(const std::vector<float>& signal, double cycles, size_t from) {
    double inPhase = 0.0, quadrature = 0.0;
    for (size_t i = from; i < signal.size(); ++i) {
        const double angle = 2.0 * std::numbers::pi * cycles * static_cast<double>(i);
        inPhase += signal[i] * std::sin(angle);
        quadrature += signal[i] * std::cos(angle);
    }
    const double amplitude = 2.0 * std::hypot(inPhase, quadrature) / static_cast<double>(signal.size() - from);
    return 20.0 * std::log10(amplitude);
}

/// Mono frames decoded while they play, over and over.
class LoopSource : public PcmSource {
public:
    LoopSource(std::vector<float> frames, int frequency) : samples(std::move(frames)), rate(frequency) {}
    int getChannels() const override { return 1; }
    int getFrequency() const override { return rate; }
    int read(float* out, int frames) override {
        const size_t count = std::min(static_cast<size_t>(frames), samples.size() - position);
        std::copy_n(samples.begin() + static_cast<std::ptrdiff_t>(position), count, out);
        position += count;
        return static_cast<int>(count);
    }
    bool rewind() override {
        position = 0;
        return true;
    }

private:
    std::vector<float> samples;
    int rate;
    size_t position = 0;
};

/// A looping-capable source of a counting ramp, remembering the largest request.
class RampSource : public PcmSource {
public:
    explicit RampSource(int frames) : length(frames) {}
    int getChannels() const override { return 1; }
    int getFrequency() const override { return RATE; }
    int read(float* out, int frames) override {
        largestRequest = std::max(largestRequest, frames);
        const int count = std::min(frames, length - position);
        for (int i = 0; i < count; ++i) out[i] = static_cast<float>(position + i) / length;
        position += count;
        return count;
    }
    bool rewind() override {
        position = 0;
        ++rewinds;
        return true;
    }
    int length, position = 0, rewinds = 0;
    inline static int largestRequest = 0;
};

/// Silence whose first read stops the thread reading it until the test opens the gate, so a
/// test can act while a render is in progress.
class GatedSource : public PcmSource {
public:
    /// Only ends the deadlock that a game call waiting for the render would otherwise make.
    static constexpr std::chrono::seconds DEADLOCK_BREAK{5};

    int getChannels() const override { return 1; }
    int getFrequency() const override { return RATE; }
    int read(float* out, int frames) override {
        std::unique_lock lock(mutex);
        if (!bEntered) {
            bEntered = true;
            changed.notify_all();
            bBrokenOpen = !changed.wait_for(lock, DEADLOCK_BREAK, [this] { return bOpen; });
        }
        std::fill_n(out, frames, 0.0f);
        return frames;
    }
    bool rewind() override { return true; }

    bool waitUntilEntered() {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, DEADLOCK_BREAK, [this] { return bEntered; });
    }
    void open() {
        std::lock_guard lock(mutex);
        bOpen = true;
        changed.notify_all();
    }
    bool wasBrokenOpen() {
        std::lock_guard lock(mutex);
        return bBrokenOpen;
    }

private:
    std::mutex mutex;
    std::condition_variable changed;
    bool bEntered = false, bOpen = false, bBrokenOpen = false;
};

}  // namespace

TEST(AudioMixer, GameCallsDuringARenderNeitherWaitForItNorMakeItAllocate) {
    constexpr int FRAMES = 1024;
    const auto pitched = makePcm(sineFrames(440.0, RATE, RATE));
    const struct {
        const char* name;
        std::function<VoiceId(AudioMixer&, VoiceId looping)> call;  // gives the voice to look at after
        bool bPlaysAfter;
    } cases[] = {
        {"isPlaying", [](AudioMixer& m, VoiceId v) { return m.isPlaying(v) ? v : 0; }, true},
        {"playSample",
         [&](AudioMixer& m, VoiceId) { return m.playSample(pitched, {.pitch = 1.05f, .bLoop = true}); }, true},
        {"playStream",
         [](AudioMixer& m, VoiceId) { return m.playStream(std::make_unique<RampSource>(RATE), {.pitch = 0.9f}); },
         true},
        {"stop", [](AudioMixer& m, VoiceId v) { m.stop(v); return v; }, false},
        {"a volume slide that stops the voice", [](AudioMixer& m, VoiceId v) {
             m.setVolume(v, 0.0f, 0.001, true);
             return v;
         }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AudioMixer mixer(RATE);
        mixer.playSample(constant(0.25f, 100), {});  // ends inside the render
        const VoiceId looping = mixer.playSample(pitched, {.pitch = 0.8f, .bLoop = true});
        auto gate = std::make_unique<GatedSource>();
        GatedSource& gateRef = *gate;
        mixer.playStream(std::move(gate), {});
        std::vector<float> buffer(FRAMES * 2);
        int renderAllocations = -1, renderCHeapCalls = -1;
        std::thread audio([&] {
            const CountedAllocations counting;
            mixer.render(buffer.data(), FRAMES);  // held inside the gate
            mixer.render(buffer.data(), FRAMES);  // takes what the call handed over
            renderAllocations = countedAllocations;
            renderCHeapCalls = countedCHeapCalls;
        });
        const bool bEntered = gateRef.waitUntilEntered();
        const VoiceId voice = bEntered ? c.call(mixer, looping) : 0;
        gateRef.open();
        audio.join();
        ASSERT_TRUE(bEntered);
        EXPECT_FALSE(gateRef.wasBrokenOpen()) << "the call waited for the render";
        EXPECT_EQ(renderAllocations, 0);
        if (bCHeapCounted) {
            EXPECT_EQ(renderCHeapCalls, 0);
        }
        ASSERT_NE(voice, 0u);
        EXPECT_EQ(mixer.isPlaying(voice), c.bPlaysAfter);
    }
}

TEST(AudioMixer, RendersOfADecodedStreamMakeNoCHeapCalls) {
    if (!bCHeapCounted) GTEST_SKIP() << "the sanitizers own the C heap";
    constexpr int FRAMES = 1024;
    const struct {
        int channels, sourceRate, outputRate;
        float pitch;
        int silentFrames;  // before the tone: the decoder sizes its buffers by the first sound it meets
    } cases[] = {{2, 44100, 44100, 1.0f, 0}, {1, 22050, 44100, 1.0f, 0}, {2, 44100, 22050, 1.05f, 2205}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.channels << " " << c.sourceRate << " " << c.silentFrames);
        std::vector<float> tone = sineFrames(220.0, c.sourceRate, c.sourceRate, c.channels);
        std::fill_n(tone.begin(), c.silentFrames * c.channels, 0.0f);
        const auto bytes =
            std::make_shared<const std::vector<uint8_t>>(encodeVorbis(tone, c.channels, c.sourceRate));
        AudioMixer mixer(c.outputRate);
        mixer.playStream(std::make_unique<VorbisSource>(bytes), {.pitch = c.pitch, .bLoop = true});
        std::vector<float> buffer(FRAMES * 2);
        {
            const CountedAllocations counting;
            for (int i = 0; i < 3 * c.outputRate / FRAMES; ++i)  // three seconds: two loop joins
                mixer.render(buffer.data(), FRAMES);
        }
        EXPECT_EQ(countedCHeapCalls, 0);
    }
}

TEST(AudioMixer, PitchAndRatesMoveTheToneWithinTheOutputsBandAndDropWhatLiesAbove) {
    constexpr double AMPLITUDE = 0.5;  // of the source's sine
    const struct {
        float pitch;
        int sourceRate, outputRate;
        int toneHz;      // in the source
        bool bStream;    // played from a source that decodes while it plays, else a sample
        bool bKept;      // heard at its pitched frequency at full level; else above the output's
                         // Nyquist frequency, where everything heard is an alias
    } cases[] = {
        {1.0f, RATE, RATE, 441, false, true},
        {2.0f, RATE, RATE, 441, false, true},
        {0.5f, RATE, RATE, 441, false, true},
        {1.0f, RATE / 2, RATE, 441, false, true},
        {2.0f, RATE / 2, RATE, 441, false, true},
        // the band each output rate carries
        {1.0f, 22050, 11025, 4000, false, true},
        {1.0f, 44100, 11025, 4000, true, true},
        {1.0f, 44100, 22050, 8000, true, true},
        {1.05f, 22050, 22050, 7500, false, true},
        {0.95f, 22050, 44100, 8000, false, true},
        {1.5f, 44100, 44100, 10000, false, true},
        // above it, from the sound effects' rate, the music's, and pitched up past it
        {1.0f, 22050, 11025, 7000, false, false},
        {1.0f, 44100, 11025, 9000, true, false},
        {1.0f, 44100, 22050, 11500, false, false},
        {1.0f, 44100, 22050, 15000, true, false},
        {2.0f, 22050, 11025, 3500, false, false},
        {1.05f, 22050, 22050, 10600, false, false},
        {1.05f, 44100, 44100, 21500, true, false},
        {1.5f, 44100, 44100, 16000, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pitch << " " << c.sourceRate << " " << c.outputRate << " " << c.toneHz);
        std::vector<float> sine = sineFrames(c.toneHz, c.sourceRate, c.sourceRate, 1, AMPLITUDE);  // a seamless loop
        AudioMixer mixer(c.outputRate);
        if (c.bStream)
            mixer.playStream(std::make_unique<LoopSource>(std::move(sine), c.sourceRate), {.pitch = c.pitch, .bLoop = true});
        else
            mixer.playSample(makePcm(std::move(sine), 1, c.sourceRate), {.pitch = c.pitch, .bLoop = true});
        const Stereo out = render(mixer, c.outputRate / 2);
        const size_t settled = out.left.size() / 4;
        if (c.bKept)
            EXPECT_NEAR(toneLevelDb(out.left, c.toneHz * c.pitch / c.outputRate, settled) - 20.0 * std::log10(AMPLITUDE), 0.0, 1.0);
        else
            EXPECT_LE(rmsDb(out.left, settled) - 20.0 * std::log10(AMPLITUDE / std::numbers::sqrt2), -60.0);
    }
}

TEST(AudioMixer, PanFollowsTheBalanceLawAndSlidesToItsTarget) {
    const struct {
        float pan, left, right;
    } cases[] = {{-1.0f, 0.5f, 0.0f}, {1.0f, 0.0f, 0.5f}, {0.0f, 0.5f, 0.5f}, {0.5f, 0.25f, 0.5f}, {-3.0f, 0.5f, 0.0f}};
    for (const auto& c : cases) {
        AudioMixer mixer(RATE);
        mixer.playSample(constant(0.5f, 100), {.pan = c.pan});
        const Stereo out = render(mixer, 50);
        EXPECT_FLOAT_EQ(out.left[10], c.left) << c.pan;
        EXPECT_FLOAT_EQ(out.right[10], c.right) << c.pan;
    }
    AudioMixer mixer(RATE);
    const VoiceId voice = mixer.playSample(constant(1.0f, RATE), {.pan = -1.0f});
    mixer.setPan(voice, 1.0f, 0.01);  // 441 frames
    const Stereo out = render(mixer, 1000);
    EXPECT_FLOAT_EQ(out.right[0], 0.0f);
    EXPECT_NEAR(out.left[220], out.right[220], 0.01f);  // centre half way
    EXPECT_FLOAT_EQ(out.left[441], 0.0f);
    EXPECT_FLOAT_EQ(out.right[999], 1.0f);
}

TEST(AudioMixer, LoopIsSeamlessAtAnyPitch) {
    constexpr int PERIOD = 100;
    constexpr int ONSET_FRAMES = 4;  // band-limited, the sine's sudden start spreads over a few frames
    const std::vector<float> onePeriod = sineFrames(RATE / static_cast<double>(PERIOD), RATE, PERIOD);
    for (const float pitch : {1.0f, 1.5f, 0.73f}) {
        AudioMixer mixer(RATE);
        mixer.playSample(makePcm(onePeriod), {.pitch = pitch, .bLoop = true});
        const Stereo out = render(mixer, 10 * PERIOD);
        for (int f = ONSET_FRAMES; f < 10 * PERIOD; ++f) {
            const double expected = 0.5 * std::sin(2.0 * std::numbers::pi * pitch * f / PERIOD);
            ASSERT_NEAR(out.left[f], expected, 0.002) << "pitch " << pitch << " frame " << f;
        }
        EXPECT_EQ(mixer.countPlaying(), 1);
    }
}

TEST(AudioMixer, VolumeSlideReachesTargetAndCanStopTheVoice) {
    AudioMixer mixer(RATE);
    const VoiceId kept = mixer.playSample(constant(0.5f, RATE), {.pan = -1.0f, .bLoop = true});
    const VoiceId stopped = mixer.playSample(constant(0.5f, RATE), {.pan = 1.0f, .bLoop = true});
    mixer.setVolume(kept, 0.0f, 0.01, false);
    mixer.setVolume(stopped, 0.0f, 0.01, true);
    const Stereo out = render(mixer, 1000);
    EXPECT_NEAR(out.left[220], 0.25f, 0.01f);
    EXPECT_NEAR(out.right[220], 0.25f, 0.01f);
    EXPECT_FLOAT_EQ(out.left[999], 0.0f);
    EXPECT_FLOAT_EQ(out.right[999], 0.0f);
    EXPECT_TRUE(mixer.isPlaying(kept));
    EXPECT_FALSE(mixer.isPlaying(stopped));
    mixer.setVolume(kept, 0.0f, 0.0, true);  // no slide: nothing to end, the voice stays
    render(mixer, 10);
    EXPECT_TRUE(mixer.isPlaying(kept));
}

TEST(AudioMixer, AStoppedVoiceFallsSilentWithinMillisecondsWithoutAStep) {
    constexpr int SOURCE_RATE = 22050;
    const struct {
        int outputRate;
        bool bStream;
        double fadeSeconds;  // a slide to silence under way when the stop comes; 0: none
    } cases[] = {{11025, false, 0.0}, {22050, false, 0.0}, {44100, false, 0.0},
                 {48000, false, 0.0}, {22050, true, 0.0},  {44100, true, 10.0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.outputRate << (c.bStream ? " stream " : " sample ")
                                        << c.fadeSeconds);
        std::vector<float> sine = sineFrames(SOURCE_RATE / 200.0, SOURCE_RATE, 100 * 200);  // a seamless loop
        AudioMixer mixer(c.outputRate);
        const VoiceSettings looped{.bLoop = true};
        const VoiceId voice =
            c.bStream ? mixer.playStream(std::make_unique<LoopSource>(std::move(sine), SOURCE_RATE), looped)
                      : mixer.playSample(makePcm(std::move(sine), 1, SOURCE_RATE), looped);
        if (c.fadeSeconds > 0.0) mixer.setVolume(voice, 0.0f, c.fadeSeconds, true);
        std::vector<float> heard;  // from past the onset until near a peak, where a cut drops furthest
        render(mixer, 1024);
        while (heard.size() < 1024 || std::fabs(heard.back()) < 0.4f) {
            const Stereo part = render(mixer, 16);
            heard.insert(heard.end(), part.left.begin(), part.left.end());
        }
        const float ownStep = largestStep(heard);
        mixer.stop(voice);
        EXPECT_FALSE(mixer.isPlaying(voice));
        const Stereo after = render(mixer, c.outputRate / 50);
        heard.insert(heard.end(), after.left.begin(), after.left.end());
        EXPECT_LE(largestStep(heard), 1.5f * ownStep);
        const size_t tenMs = static_cast<size_t>(c.outputRate / 100);
        EXPECT_EQ(peak({after.left.begin() + tenMs, after.left.end()}), 0.0f) << "heard 10 ms on";
    }
}

TEST(AudioMixer, GlobalVolumesScaleTheirGroupOnly) {
    const struct {
        VolumeGroup group;
        int volume, stored;
        float sample, stream;
    } cases[] = {{VolumeGroup::Sample, 5000, 5000, 0.25f, 0.5f},
                 {VolumeGroup::Stream, 0, 0, 0.5f, 0.0f},
                 {VolumeGroup::Music, 2500, 2500, 0.5f, 0.5f},
                 {VolumeGroup::Sample, 20000, 10000, 0.5f, 0.5f},
                 {VolumeGroup::Sample, -5, 0, 0.0f, 0.5f}};
    for (const auto& c : cases) {
        AudioMixer mixer(RATE);
        mixer.setGlobalVolume(c.group, c.volume);
        EXPECT_EQ(mixer.getGlobalVolume(c.group), c.stored);
        mixer.playSample(constant(0.5f, 100), {.pan = -1.0f});
        mixer.playSample(constant(0.5f, 100), {.pan = 1.0f, .group = VolumeGroup::Stream});
        const Stereo out = render(mixer, 10);
        EXPECT_FLOAT_EQ(out.left[5], c.sample);
        EXPECT_FLOAT_EQ(out.right[5], c.stream);
    }
}

TEST(AudioMixer, SumIsLimitedAndStaleIdsAreHarmless) {
    AudioMixer mixer(RATE);
    mixer.playSample(constant(0.8f, 100), {.bLoop = true});
    const VoiceId second = mixer.playSample(constant(0.8f, 100), {.bLoop = true});
    EXPECT_NEAR(peak(render(mixer, 50).left), OutputLimiter::CEILING, 1e-5f);
    mixer.stop(second);
    mixer.stop(second);
    mixer.stop(12345);
    mixer.setPan(12345, 0.0f, 1.0);
    mixer.setVolume(0, 1.0f, 1.0, true);
    render(mixer, RATE);  // the limiter lets go
    EXPECT_FLOAT_EQ(render(mixer, 10).left[0], 0.8f);
    EXPECT_EQ(mixer.playSample(nullptr, {}), 0u);
    EXPECT_EQ(mixer.playSample(makePcm({0.1f}, 3), {}), 0u);
}

TEST(AudioMixer, StreamDecodesInBoundedChunksAndLoops) {
    constexpr int LENGTH = 10000;
    auto source = std::make_unique<RampSource>(LENGTH);
    RampSource* raw = source.get();
    AudioMixer mixer(RATE);
    const VoiceId voice = mixer.playStream(std::move(source), {.bLoop = true, .group = VolumeGroup::Stream});
    std::vector<float> left;
    for (int i = 0; i < 30; ++i) {
        const Stereo out = render(mixer, 1024);
        left.insert(left.end(), out.left.begin(), out.left.end());
    }
    EXPECT_TRUE(mixer.isPlaying(voice));
    EXPECT_GE(raw->rewinds, 2);
    EXPECT_LE(RampSource::largestRequest, 4096);
    for (size_t f = 0; f < left.size(); ++f)
        ASSERT_FLOAT_EQ(left[f], static_cast<float>(f % LENGTH) / LENGTH) << f;  // joins without a gap
}

TEST(AudioMixer, UnloopedVoicesAndStreamsEndAndAreDropped) {
    AudioMixer mixer(RATE);
    const VoiceId voice = mixer.playSample(constant(0.25f, 100), {.pan = -1.0f});
    const VoiceId stream = mixer.playStream(std::make_unique<RampSource>(1500), {.pan = 1.0f});
    EXPECT_TRUE(mixer.isPlaying(voice));
    const Stereo out = render(mixer, 2000);
    EXPECT_FLOAT_EQ(out.left[99], 0.25f);
    EXPECT_FLOAT_EQ(out.left[100], 0.0f);
    EXPECT_GT(out.right[1499], 0.99f);
    EXPECT_FLOAT_EQ(out.right[1500], 0.0f);
    EXPECT_FALSE(mixer.isPlaying(voice));
    EXPECT_FALSE(mixer.isPlaying(stream));
    EXPECT_EQ(mixer.countPlaying(), 0);
}

TEST(AudioMixer, WildNumbersStayBoundedAndFinite) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr int BLOCK_FRAMES = 512;
    const struct {
        float pitch, pan, volume;
        double slide;
        float wild = 0.0f;      // the first frame of a voice played once beside the others
        int forgottenAfter = 0; // frames after which the output is as without that frame
    } cases[] = {{nan, nan, nan, std::numeric_limits<double>::quiet_NaN()},
                 {inf, inf, inf, std::numeric_limits<double>::infinity()},
                 {-inf, -inf, -inf, -1.0},
                 {1e30f, 1e30f, 1e30f, 1e300},
                 {1.0f, 0.0f, 1.0f, 0.0, inf, 1},
                 {1.0f, 0.0f, 1.0f, 0.0, nan, 1},
                 {1.0f, 0.0f, 1.0f, 0.0, 1e30f, RATE * 5 / 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wild);
        std::vector<float> heard[2]; // with the wild frame, and without it
        for (int run = 0; run < 2; ++run) {
            AudioMixer mixer(RATE);
            const VoiceId sample = mixer.playSample(
                constant(0.5f, 100), {.pitch = c.pitch, .pan = c.pan, .volume = c.volume, .bLoop = true});
            const VoiceId stream =
                mixer.playStream(std::make_unique<RampSource>(1000), {.pitch = c.pitch, .bLoop = true});
            mixer.playSample(makePcm({run == 0 ? c.wild : 0.0f}), {});
            mixer.setPan(sample, c.pan, c.slide);
            mixer.setVolume(stream, c.volume, c.slide, true);
            for (int block = 0; block <= (c.forgottenAfter + RATE / 2) / BLOCK_FRAMES; ++block) {
                const Stereo part = render(mixer, BLOCK_FRAMES);
                for (int f = 0; f < BLOCK_FRAMES; ++f) // NaN fails the comparison too
                    ASSERT_TRUE(std::fabs(part.left[f]) <= 1.0f && std::fabs(part.right[f]) <= 1.0f)
                        << block << " " << f;
                heard[run].insert(heard[run].end(), part.left.begin(), part.left.end());
            }
        }
        for (size_t f = static_cast<size_t>(c.forgottenAfter); f < heard[0].size(); ++f)
            ASSERT_NEAR(heard[0][f], heard[1][f], 1e-6f) << f;
    }
}

TEST(AudioMixer, LoudMomentsStayInsideFullScaleWithTheirShapeAndQuietOnesKeepTheirLevel) {
    constexpr int SECONDS = 2;
    constexpr int DEVICE_FRAMES = 1050;  // what an output pulls at once
    const size_t lastFifth = static_cast<size_t>(SECONDS * RATE * 4 / 5);
    const struct {
        const char* name;
        int loudVoices;       // sines at 0.8 of full scale and spread pitches, all centred
        double loudSeconds;   // how long they sound; 0: throughout
        float quietVolume;    // of one more half-scale sine, throughout; 0: none
        int blockFrames;      // rendered at once; a single frame leaves nothing to look ahead to
    } cases[] = {
        {"silence", 0, 0.0, 0.0f, DEVICE_FRAMES},
        {"a quiet voice alone", 0, 0.0, 0.5f, DEVICE_FRAMES},
        {"two loud voices at once", 2, 0.0, 0.0f, DEVICE_FRAMES},
        {"many loud voices", 24, 0.0, 0.0f, DEVICE_FRAMES},
        {"a quiet voice after a loud burst", 24, 0.25, 0.5f, DEVICE_FRAMES},
        {"many loud voices, a frame at a time", 24, 0.0, 0.0f, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AudioMixer mixer(RATE);
        const int loudFrames = c.loudSeconds > 0.0 ? static_cast<int>(c.loudSeconds * RATE) : SECONDS * RATE;
        for (int v = 0; v < c.loudVoices; ++v)
            mixer.playSample(makePcm(sineFrames(110.0 * (1.0 + 0.37 * v), RATE, loudFrames, 1, 0.8f)), {});
        if (c.quietVolume > 0.0f)
            mixer.playSample(makePcm(sineFrames(330.0, RATE, SECONDS * RATE)), {.volume = c.quietVolume});
        Stereo out;
        for (int block = 0; block < SECONDS * RATE / c.blockFrames; ++block) {
            const Stereo part = render(mixer, c.blockFrames);
            out.left.insert(out.left.end(), part.left.begin(), part.left.end());
        }
        EXPECT_LT(peak(out.left), 1.0f);
        if (c.blockFrames > 1) {
            EXPECT_EQ(longestFlatRun(out.left), 0);
        }
        if (c.loudVoices == 0 && c.quietVolume == 0.0f) {
            EXPECT_EQ(peak(out.left), 0.0f);
        }
        if (c.quietVolume > 0.0f) {
            const double expected = 20.0 * std::log10(0.5 * c.quietVolume / std::numbers::sqrt2);
            EXPECT_NEAR(rmsDb(out.left, lastFifth), expected, 0.5);
        }
    }
}
