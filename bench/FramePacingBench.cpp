#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include "platform/FramePacer.h"
#include "platform/MonotonicClock.h"

// How closely absolute-deadline pacing holds the frame rate on this machine. Each benchmark
// iteration is one paced frame; the counters give the mean and worst distance of a frame's
// end from its ideal moment (start + n periods), in microseconds, and the achieved rate.
static void BM_FramePacing(benchmark::State& state) {
    const double rate = static_cast<double>(state.range(0));
    platform::MonotonicClock clock;
    platform::FramePacer pacer(clock, rate);
    const double start = clock.now();
    double sumError = 0.0;
    double worstError = 0.0;
    long frames = 0;
    for (auto _ : state) {
        pacer.waitForNextFrame();
        ++frames;
        const double error = std::fabs(clock.now() - (start + frames / rate));
        sumError += error;
        worstError = std::max(worstError, error);
    }
    const double elapsed = clock.now() - start;
    state.counters["meanErrorUs"] = frames ? sumError / frames * 1e6 : 0.0;
    state.counters["worstErrorUs"] = worstError * 1e6;
    state.counters["achievedFps"] = elapsed > 0.0 ? frames / elapsed : 0.0;
}
BENCHMARK(BM_FramePacing)->Arg(30)->Arg(60)->Arg(240)->Iterations(120)->UseRealTime()->Unit(benchmark::kMillisecond);
