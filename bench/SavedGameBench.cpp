#include <algorithm>
#include <chrono>
#include "BenchGame.h"
#include "game/GameController.h"

// One save of a running game as a system's end makes it, on the archives the build generates:
// both slots of the current profile filled from a two-player game at wave 20, then the profile
// file written as the game writes it (whole, atomically, synced) into the user-data folder.
// That folder lies in $TMPDIR (else /tmp): point TMPDIR at the disk to be measured. Each
// iteration is one save in wall-clock time, all of it spent inside the frame that ends the wave;
// "budgetMs" is that frame's whole budget at the engine's frame rate, "worstMs" the slowest save
// and "overBudget" the saves that alone took longer than a frame.

namespace {

void BM_SaveAtSystemEnd(benchmark::State& state) {
    BenchGame bench(state, "saved-game benchmark");
    if (!bench.game) return;
    GameController& controller = *GameController::startAt(20, GameController::PLAYERS);
    ProfileManager& profiles = bench.game->profiles;
    ProfileData& profile = profiles.records[profiles.currentProfile];
    const double budget = 1.0 / bench.engine->framesPerSecond;
    double worst = 0.0;
    int overBudget = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        controller.savegame(0, profile.savegames[0]);
        controller.savegame(1, profile.savegames[1]);
        bench.game->saveProfiles();
        const double seconds = BenchGame::secondsSince(start);
        state.SetIterationTime(seconds);
        worst = std::max(worst, seconds);
        overBudget += seconds > budget ? 1 : 0;
    }
    state.counters["budgetMs"] = budget * 1000.0;
    state.counters["worstMs"] = worst * 1000.0;
    state.counters["overBudget"] = overBudget;
}

} // namespace

BENCHMARK(BM_SaveAtSystemEnd)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(300);
