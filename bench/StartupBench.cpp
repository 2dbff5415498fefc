#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>
#include "BenchScreen.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/GameGlobal.h"
#include "game/Loader.h"
#include "media/VekAudio.h"
#include "media/VekMedia.h"
#include "menus/GameMenuScreens.h"

// Start-up of the whole game on the archives the build generates: engine root with offscreen
// graphics and silent audio, game root, and frames until the loader's last step is done.
// Measured with delayed loading of sounds on (argument 1) and off (argument 0). Each iteration
// is one start-up in wall-clock time.

namespace {

void BM_StartUp(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char pattern[] = "/tmp/vek-bench-XXXXXX";
    const std::filesystem::path folder = mkdtemp(pattern);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    const std::u16string archive = fromUtf8(SHIPPED_ARCHIVE);
    const auto window = openBenchWindow(state, "start-up benchmark");
    if (!window) return;
    int frames = 0;
    double longestFrame = 0.0; // seconds; the loader's budget is 0.25 s plus the step that runs over
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Vek::Options options;
        options.createMedia = [&window] {
            keepEngineWindowed();
            return std::make_unique<VekMedia>(*window);
        };
        auto engine = std::make_unique<Vek>(std::move(options));
        engine->bEnableDelayedLoad = state.range(0) != 0;
        VekMedia::get()->getAudio().setDelayedLoad(engine->bEnableDelayedLoad);
        auto game = std::make_unique<GameGlobal>(std::make_unique<GameMenuScreens>(), archive);
        game->initPreLoader();
        auto* loader = static_cast<Loader*>(game->contextManager->getChildren().getHead());
        frames = 0;
        while (loader->step < Loader::STEP_COUNT) {
            const auto frameStart = std::chrono::steady_clock::now();
            engine->frame(game->getRootContext());
            longestFrame = std::max(
                longestFrame,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - frameStart).count());
            ++frames;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        game.reset();
        engine.reset();
    }
    state.counters["frames"] = frames;
    state.counters["longestFrameMs"] = longestFrame * 1000.0;
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_StartUp)->Arg(1)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
