#pragma once
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <unistd.h>
#include "BenchScreen.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/GameGlobal.h"
#include "game/Loader.h"
#include "media/VekMedia.h"
#include "menus/GameMenuScreens.h"

// The whole game for the gameplay benchmarks, loaded from the archives the build generates:
// a fixed-step engine seeded with 1 on the offscreen window, silent, with its user data in a
// scratch folder in $TMPDIR (else /tmp); and the timing of frames that alternately only tick
// and also draw.

class BenchGame {
  public:
    /// Loads everything; `input` feeds the engine's input (the window's devices when null), and
    /// `beforeLoading` runs once the engine stands, before the game loads. On failure the
    /// benchmark is marked and `game` stays null.
    BenchGame(benchmark::State& state, const std::string& caption,
              std::unique_ptr<platform::InputSource> input = nullptr,
              const std::function<void()>& beforeLoading = {}) {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        std::string pattern = (std::filesystem::temp_directory_path() / "vek-bench-XXXXXX").string();
        folder = mkdtemp(pattern.data());
        setenv("XDG_DATA_HOME", folder.c_str(), 1);
        window = openBenchWindow(state, caption);
        if (!window) return;
        Vek::Options options;
        options.bFixedStep = true;
        options.seed = 1;
        options.createMedia = [this, &input] {
            keepEngineWindowed();
            VekMedia::Options media;
            media.bSilent = true;
            media.pInput = std::move(input);
            return std::make_unique<VekMedia>(*window, std::move(media));
        };
        engine = std::make_unique<Vek>(std::move(options));
        if (beforeLoading) beforeLoading();
        game = std::make_unique<GameGlobal>(std::make_unique<GameMenuScreens>(), fromUtf8(SHIPPED_ARCHIVE));
        game->initPreLoader();
        auto* loader = static_cast<Loader*>(game->contextManager->getChildren().getHead());
        while (loader->step < Loader::STEP_COUNT)
            engine->frame(game->getRootContext());
    }
    ~BenchGame() {
        game.reset();
        engine.reset();
        std::filesystem::remove_all(folder);
    }
    BenchGame(const BenchGame&) = delete;
    BenchGame& operator=(const BenchGame&) = delete;

    VekGraphics& graphics() const { return VekMedia::get()->getGraphics(); }

    /// Runs `frame(bDraw)` (its seconds) first `warmUp` times without drawing, then for every
    /// iteration once without and once with drawing, each drawn frame an iteration's time;
    /// reports "tickMs" (the undrawn frame) and "renderMs" (what drawing adds).
    template <class Frame>
    static void timeTickAndRender(benchmark::State& state, int warmUp, Frame frame) {
        for (int i = 0; i < warmUp; ++i)
            frame(false);
        double tickSeconds = 0.0, drawnSeconds = 0.0;
        for (auto _ : state) {
            tickSeconds += frame(false);
            const double drawn = frame(true);
            drawnSeconds += drawn;
            state.SetIterationTime(drawn);
        }
        const auto frames = static_cast<double>(state.iterations());
        state.counters["tickMs"] = tickSeconds / frames * 1000.0;
        state.counters["renderMs"] = (drawnSeconds - tickSeconds) / frames * 1000.0;
    }
    /// Seconds since `start`.
    static double secondsSince(std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    std::filesystem::path folder;
    std::unique_ptr<platform::PlatformWindow> window;
    std::unique_ptr<Vek> engine;
    std::unique_ptr<GameGlobal> game;
};
