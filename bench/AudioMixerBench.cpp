#include <benchmark/benchmark.h>
#include "VorbisTestFile.h"
#include "media/AudioMixer.h"
#include "media/VorbisSource.h"

namespace {

constexpr int MUSIC_RATE = 44100;
constexpr int BUFFER_FRAMES = 1024;  // one SDL callback

// At each output rate (the three sound qualities), N looping voices at assorted pitches and
// pans, sampled at the sound effects' 22050 Hz, plus one looping stereo Ogg Vorbis stream at
// the music's 44100 Hz. The time is one buffer's; a voice's cost is the difference to the row
// of the stream alone (no voices) over N. "cpu_%" is the share of real time the mixing takes (CPU seconds per second of sound, in percent; Google Benchmark prints an
// inverted rate with an "s" after it).
void mixVoicesAndStream(benchmark::State& state) {
    const int rate = static_cast<int>(state.range(0));
    const int voices = static_cast<int>(state.range(1));
    auto pcm = std::make_shared<PcmData>();
    pcm->frequency = 22050;
    pcm->channels = 1;
    pcm->samples = sineFrames(440.0, pcm->frequency, pcm->frequency);
    const auto music = std::make_shared<const std::vector<uint8_t>>(
        encodeVorbis(sineFrames(220.0, MUSIC_RATE, MUSIC_RATE * 4, 2), 2, MUSIC_RATE));

    AudioMixer mixer(rate);
    for (int i = 0; i < voices; ++i)
        mixer.playSample(pcm, {.pitch = 0.8f + 0.4f * static_cast<float>(i) / voices,
                               .pan = -1.0f + 2.0f * static_cast<float>(i) / voices, .bLoop = true});
    mixer.playStream(std::make_unique<VorbisSource>(music), {.bLoop = true, .group = VolumeGroup::Music});

    std::vector<float> out(BUFFER_FRAMES * 2);
    for (auto _ : state) {
        mixer.render(out.data(), BUFFER_FRAMES);
        benchmark::DoNotOptimize(out.data());
    }
    const double audioSeconds = static_cast<double>(state.iterations()) * BUFFER_FRAMES / rate;
    state.counters["cpu_%"] = benchmark::Counter(audioSeconds / 100.0, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(mixVoicesAndStream)
    ->ArgNames({"rate", "voices"})
    ->ArgsProduct({{11025, 22050, 44100}, {0, 1, 8, 32, 64}})
    ->Unit(benchmark::kMicrosecond);
