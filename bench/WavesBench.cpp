#include <algorithm>
#include <chrono>
#include "BenchGame.h"
#include "game/Autopilot.h"
#include "game/GameController.h"
#include "game/scene/ObjectGroup.h"
#include "platform/ScriptedInput.h"

// The busiest waves on the archives the build generates, from the moment their formation
// comes into play: the asteroid belt (wave 52) and the largest formations of the last system
// (the grid of wave 102, the two asteroid runs of wave 104, the umbrella spiral of wave 107).
// One invulnerable fighter, flown by the autopilot, fights them. Frames alternate between
// ticking alone (every update, movement and collision, nothing drawn, as --no-draw runs) and
// whole frames drawn through the offscreen renderer; "tickMs" is the first per frame,
// "renderMs" what drawing adds, and the "peak" counters the most objects of each kind that
// one frame held. The argument is the wave.

namespace {

constexpr int FRAME_PAIRS = 300; // twenty seconds of play from the formation's arrival

struct Peaks {
    std::size_t enemies = 0, enemyShots = 0, playerShots = 0, items = 0, particles = 0;

    void take(const GameController& game) {
        const auto size = [](const ObjectGroup* list) { return list->getChildren().count(); };
        enemies = std::max(enemies, size(game.enemies));
        enemyShots = std::max(enemyShots, size(game.enemyShots));
        playerShots = std::max(playerShots, size(game.playerShots));
        items = std::max(items, size(game.items));
        particles = std::max(particles, size(game.explosions) + size(game.smoke) + size(game.effects));
    }
};

void BM_BusiestWave(benchmark::State& state) {
    BenchGame bench(state, "waves benchmark", std::make_unique<Autopilot>(std::make_unique<platform::ScriptedInput>()));
    if (!bench.game) return;
    GameController& controller = *GameController::startAt(static_cast<int>(state.range(0)), 1);
    controller.bInvulnerable = true;
    VekGraphics& graphics = bench.graphics();
    graphics.bNoDraw = true;
    while (controller.getState() != GameController::WAVE_PLAY)
        bench.engine->frame(bench.game->getRootContext());
    Peaks peaks;
    BenchGame::timeTickAndRender(state, 0, [&](bool bDraw) {
        graphics.bNoDraw = !bDraw;
        const auto start = std::chrono::steady_clock::now();
        bench.engine->frame(bench.game->getRootContext());
        if (bDraw) benchmark::DoNotOptimize(graphics.getDevice().readPixels(0, 0, 1, 1));
        const double seconds = BenchGame::secondsSince(start);
        peaks.take(controller);
        return seconds;
    });
    state.counters["peakEnemies"] = static_cast<double>(peaks.enemies);
    state.counters["peakEnemyShots"] = static_cast<double>(peaks.enemyShots);
    state.counters["peakPlayerShots"] = static_cast<double>(peaks.playerShots);
    state.counters["peakItems"] = static_cast<double>(peaks.items);
    state.counters["peakBursts"] = static_cast<double>(peaks.particles);
}

} // namespace

BENCHMARK(BM_BusiestWave)
    ->Arg(52)
    ->Arg(102)
    ->Arg(104)
    ->Arg(107)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(FRAME_PAIRS);
