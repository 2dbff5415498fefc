#include <algorithm>
#include <chrono>
#include "BenchGame.h"
#include "game/GameController.h"

// One save of a running game as a system's end makes it, on the archives the build generates:
// both slots of the current profile filled from a two-player game at wave 20, and the profile
// file handed to the game root's writer thread as the game hands it over, which writes it whole,
// atomically and synced into the user-data folder. That folder lies in $TMPDIR (else /tmp): point
// TMPDIR at the disk to be measured. Each iteration is one save in wall-clock time. "budgetMs" is
// a frame's whole budget at the engine's frame rate, "worstMs" the slowest save and "overBudget"
// the saves that alone took longer than a frame.
//
// BM_SaveAtSystemEnd: what the frame that ends the wave pays: filling the slots, making the file's
// bytes and handing them over. Between saves, untimed, the writer finishes its write, as it has
// long before the next wave ends.
// BM_BackgroundWrite: the writer thread's part, which no frame waits for: from the hand-over until
// the file is on the disk.

namespace {

/// Runs `iteration`, one save that returns the seconds that count of it, once per benchmark
/// iteration, and reports the counters above.
template <class Iteration> void timeSaves(benchmark::State& state, BenchGame& bench, Iteration iteration) {
    const double budget = 1.0 / bench.engine->framesPerSecond;
    double worst = 0.0;
    int overBudget = 0;
    for (auto _ : state) {
        const double seconds = iteration();
        state.SetIterationTime(seconds);
        worst = std::max(worst, seconds);
        overBudget += seconds > budget ? 1 : 0;
    }
    state.counters["budgetMs"] = budget * 1000.0;
    state.counters["worstMs"] = worst * 1000.0;
    state.counters["overBudget"] = overBudget;
}

/// Fills both slots of the current profile from `controller` and hands the profile file over.
void saveAtSystemEnd(GameController& controller, GameGlobal& game) {
    ProfileData& profile = game.profiles.records[game.profiles.currentProfile];
    controller.savegame(0, profile.savegames[0]);
    controller.savegame(1, profile.savegames[1]);
    game.saveProfiles();
}

void BM_SaveAtSystemEnd(benchmark::State& state) {
    BenchGame bench(state, "saved-game benchmark");
    if (!bench.game) return;
    GameController& controller = *GameController::startAt(20, GameController::PLAYERS);
    timeSaves(state, bench, [&] {
        const auto start = std::chrono::steady_clock::now();
        saveAtSystemEnd(controller, *bench.game);
        const double seconds = BenchGame::secondsSince(start);
        bench.game->finishSaves();
        return seconds;
    });
}

void BM_BackgroundWrite(benchmark::State& state) {
    BenchGame bench(state, "saved-game benchmark");
    if (!bench.game) return;
    GameController& controller = *GameController::startAt(20, GameController::PLAYERS);
    timeSaves(state, bench, [&] {
        saveAtSystemEnd(controller, *bench.game);
        const auto handedOver = std::chrono::steady_clock::now();
        bench.game->finishSaves();
        return BenchGame::secondsSince(handedOver);
    });
}

} // namespace

BENCHMARK(BM_SaveAtSystemEnd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
BENCHMARK(BM_BackgroundWrite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
