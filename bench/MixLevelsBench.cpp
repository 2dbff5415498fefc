#include <cmath>
#include <vector>
#include "BenchGame.h"
#include "core/TimeKeeper.h"
#include "game/Autopilot.h"
#include "game/GameController.h"
#include "media/VekAudio.h"
#include "menus/ContextMain.h"
#include "platform/NullAudioDevice.h"
#include "platform/ScriptedInput.h"

// What a player hears, measured at the mixer's output over 40 seconds of game time: the main
// menu with its music (argument 0), or a game at the wave of the argument with two invulnerable
// players on the autopilot from its first frame (wave 52, the asteroid belt, is the busiest;
// both fighters' weapon bleeps and the click land in its first frame as in every game), which
// leaves the music as the command line's game does. A second audio service, made before the
// game loads, takes every sound (the newest service is the current one); it is pulled here
// frame by frame in game time, so every run hears the same. Counters: "fullScale_%" the share
// of samples at the top 16-bit code or beyond, "rms_dBFS" the level, "peak" the largest sample.

namespace {

constexpr int RECORD_TICKS = 40 * 30; // forty seconds at the game's default tick rate
constexpr float FULL_SCALE = 1.0f - 1.0f / 32768.0f;

struct Levels {
    double samples = 0.0, atFullScale = 0.0, squares = 0.0;
    float peak = 0.0f;

    void take(const std::vector<float>& block) {
        for (const float sample : block) {
            const float size = std::fabs(sample);
            atFullScale += size >= FULL_SCALE ? 1.0 : 0.0;
            squares += static_cast<double>(sample) * sample;
            peak = std::max(peak, size);
        }
        samples += static_cast<double>(block.size());
    }
    void report(benchmark::State& state) const {
        state.counters["fullScale_%"] = 100.0 * atFullScale / samples;
        state.counters["rms_dBFS"] = 10.0 * std::log10(std::max(squares / samples, 1e-20));
        state.counters["peak"] = peak;
    }
};

/// The audio service that takes the game's sounds, on the engine's clock.
std::unique_ptr<VekAudio> openRecorder() {
    auto recorder = std::make_unique<VekAudio>(std::make_unique<platform::NullAudioDevice>());
    recorder->setDelayedLoad(Vek::get()->bEnableDelayedLoad);
    recorder->setClock([] { return Vek::get()->getTimeKeeper().getPhysicalTime(); });
    return recorder;
}

/// Names a player, as the main menu asks for one first, and closes the start screens.
void openMainMenu(BenchGame& bench) {
    bench.game->profiles.addProfile(u"Mira");
    ContextManager& stack = *bench.game->contextManager;
    while (!dynamic_cast<ContextMain*>(stack.getTopContext())) {
        stack.getTopContext()->closed = true;
        bench.engine->frame(bench.game->getRootContext());
    }
}

void BM_MixLevels(benchmark::State& state) {
    const int wave = static_cast<int>(state.range(0));
    std::unique_ptr<VekAudio> recorder;
    std::unique_ptr<platform::InputSource> input = std::make_unique<platform::ScriptedInput>();
    if (wave) input = std::make_unique<Autopilot>(std::move(input));
    BenchGame bench(state, "mix levels benchmark", std::move(input),
                    [&recorder] { recorder = openRecorder(); });
    if (!bench.game) return;
    openMainMenu(bench);
    if (wave) GameController::startAt(wave, GameController::PLAYERS)->bInvulnerable = true;
    AudioMixer& mixer = recorder->getMixer();
    Levels levels;
    std::vector<float> block;
    double owed = 0.0; // output frames of the game time so far not yet pulled
    for (auto _ : state) {
        bench.engine->frame(bench.game->getRootContext());
        owed += bench.engine->tickStep * mixer.getOutputFrequency();
        const int frames = static_cast<int>(owed);
        owed -= frames;
        block.resize(static_cast<std::size_t>(frames) * 2);
        mixer.render(block.data(), frames);
        levels.take(block);
    }
    levels.report(state);
}

} // namespace

BENCHMARK(BM_MixLevels)
    ->Arg(0)
    ->Arg(1)
    ->Arg(52)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(RECORD_TICKS);
