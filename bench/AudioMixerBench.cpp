#include <benchmark/benchmark.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include "VorbisTestFile.h"
#include "media/AudioMixer.h"
#include "media/VorbisSource.h"

namespace {

constexpr int MUSIC_RATE = 44100;
constexpr int EFFECTS_RATE = 22050;
constexpr int BUFFER_FRAMES = 1024;  // one SDL callback
constexpr int BUSY_VOICES = 64;

std::shared_ptr<const PcmData> effectSample() {
    auto pcm = std::make_shared<PcmData>();
    pcm->frequency = EFFECTS_RATE;
    pcm->channels = 1;
    pcm->samples = sineFrames(440.0, pcm->frequency, pcm->frequency);
    return pcm;
}

/// Voice `i` of `count` at an assorted pitch and pan, as a wave of sound effects plays them.
VoiceSettings assorted(int i, int count) {
    return {.pitch = 0.8f + 0.4f * static_cast<float>(i) / count,
            .pan = -1.0f + 2.0f * static_cast<float>(i) / count,
            .bLoop = true};
}

void playMusic(AudioMixer& mixer) {
    static const auto music = std::make_shared<const std::vector<uint8_t>>(
        encodeVorbis(sineFrames(220.0, MUSIC_RATE, MUSIC_RATE * 4, 2), 2, MUSIC_RATE));
    mixer.playStream(std::make_unique<VorbisSource>(music), {.bLoop = true, .group = VolumeGroup::Music});
}

// At each output rate (the three sound qualities), N looping voices at assorted pitches and
// pans, sampled at the sound effects' 22050 Hz, plus one looping stereo Ogg Vorbis stream at
// the music's 44100 Hz. The time is one buffer's; a voice's cost is the difference to the row
// of the stream alone (no voices) over N. "cpu_%" is the share of real time the mixing takes (CPU seconds per second of sound, in percent; Google Benchmark prints an
// inverted rate with an "s" after it).
void mixVoicesAndStream(benchmark::State& state) {
    const int rate = static_cast<int>(state.range(0));
    const int voices = static_cast<int>(state.range(1));
    const auto pcm = effectSample();
    AudioMixer mixer(rate);
    for (int i = 0; i < voices; ++i) mixer.playSample(pcm, assorted(i, voices));
    playMusic(mixer);

    std::vector<float> out(BUFFER_FRAMES * 2);
    for (auto _ : state) {
        mixer.render(out.data(), BUFFER_FRAMES);
        benchmark::DoNotOptimize(out.data());
    }
    const double audioSeconds = static_cast<double>(state.iterations()) * BUFFER_FRAMES / rate;
    state.counters["cpu_%"] = benchmark::Counter(audioSeconds / 100.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// What one sound effect costs the audio thread: 64 of the voices above, no music; the time is a
// buffer's, "per_voice" the CPU time of one voice's share of it.
void renderCostPerVoice(benchmark::State& state) {
    const int rate = static_cast<int>(state.range(0));
    const auto pcm = effectSample();
    AudioMixer mixer(rate);
    for (int i = 0; i < BUSY_VOICES; ++i) mixer.playSample(pcm, assorted(i, BUSY_VOICES));
    std::vector<float> out(BUFFER_FRAMES * 2);
    for (auto _ : state) {
        mixer.render(out.data(), BUFFER_FRAMES);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["per_voice"] = benchmark::Counter(static_cast<double>(state.iterations()) * BUSY_VOICES,
                                                     benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

/// An audio thread pulling 1024-frame buffers from `mixer` at the output's pace until destroyed.
class PacedRenderer {
public:
    PacedRenderer(AudioMixer& mixer, int rate)
        : thread([this, &mixer, rate] {
              using Clock = std::chrono::steady_clock;
              const auto period = std::chrono::duration_cast<Clock::duration>(
                  std::chrono::duration<double>(static_cast<double>(BUFFER_FRAMES) / rate));
              std::vector<float> out(BUFFER_FRAMES * 2);
              auto next = Clock::now();
              while (!bStop) {
                  mixer.render(out.data(), BUFFER_FRAMES);
                  next += period;
                  std::this_thread::sleep_until(next);
              }
          }) {}
    ~PacedRenderer() {
        bStop = true;
        thread.join();
    }

private:
    std::atomic<bool> bStop = false;
    std::thread thread;
};

// The game thread's side while an audio thread renders 64 voices and the music at the output's
// pace: every millisecond a frame asks whether a voice plays, and every tenth a new effect
// replaces the oldest one, as a busy wave does. The time is the calls'; "longest_isPlaying" and
// "longest_playSample" are the longest single calls in milliseconds, the frame's worst wait.
void gameThreadWait(benchmark::State& state) {
    using Clock = std::chrono::steady_clock;
    const int rate = static_cast<int>(state.range(0));
    const auto pcm = effectSample();
    AudioMixer mixer(rate);
    std::vector<VoiceId> voices;
    for (int i = 0; i < BUSY_VOICES; ++i) voices.push_back(mixer.playSample(pcm, assorted(i, BUSY_VOICES)));
    playMusic(mixer);
    PacedRenderer renderer(mixer, rate);

    double longestQuery = 0.0, longestStart = 0.0;
    int call = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        benchmark::DoNotOptimize(mixer.isPlaying(voices[call % BUSY_VOICES]));
        const auto queried = Clock::now();
        auto finished = queried;
        if (++call % 10 == 0) {
            const size_t oldest = static_cast<size_t>(call / 10) % voices.size();
            mixer.stop(voices[oldest]);
            voices[oldest] = mixer.playSample(pcm, assorted(static_cast<int>(oldest), BUSY_VOICES));
            finished = Clock::now();
        }
        const auto millis = [](Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); };
        longestQuery = std::max(longestQuery, millis(queried - start));
        longestStart = std::max(longestStart, millis(finished - queried));
        state.SetIterationTime(std::chrono::duration<double>(finished - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    state.counters["longest_isPlaying"] = longestQuery;
    state.counters["longest_playSample"] = longestStart;
}

}  // namespace

BENCHMARK(mixVoicesAndStream)
    ->ArgNames({"rate", "voices"})
    ->ArgsProduct({{11025, 22050, 44100}, {0, 1, 8, 32, 64}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(renderCostPerVoice)->ArgNames({"rate"})->Arg(11025)->Arg(22050)->Arg(44100)->Arg(48000)->Unit(benchmark::kMicrosecond);
// Two seconds of frames at each rate (the three sound qualities, and what a device may give instead).
BENCHMARK(gameThreadWait)
    ->ArgNames({"rate"})
    ->Arg(11025)
    ->Arg(22050)
    ->Arg(44100)
    ->Arg(48000)
    ->Iterations(2000)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
