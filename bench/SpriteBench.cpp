#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <vector>
#include "BenchScreen.h"
#include "core/GameRandom.h"
#include "core/VekBase.h"
#include "media/Renderable.h"
#include "media/Texture.h"

// Frames of 2,000 textured 32 x 32 sprites on a 640 x 480 screen through the offscreen OpenGL
// renderer (software rasteriser on a machine without a GPU). Each iteration is one whole
// frame: begin, clear, draw every sprite through its renderable, end, present, and a one-pixel
// read-back that waits for the rasteriser to finish. "fps" is frames per wall-clock second;
// the CPU column is the main thread's time per frame.
static void BM_Sprites(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    const auto window = openBenchWindow(state, "sprite benchmark");
    if (!window) return;
    const auto graphics = openBenchGraphics(*window);
    MemoryImageFile picture(32, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) picture.at(x, y) = 0x80000000u | static_cast<uint32_t>(x * 8 << 16 | y * 8 << 8 | 0x40);
    Texture texture(*graphics, picture, {}, 0);
    VekBase root;
    std::vector<Renderable*> sprites;
    // Spread evenly over the screen, as a game's sprites are, each drifting on its own course.
    std::vector<Vector3> starts;
    std::vector<Vector3> velocities;
    gameRandom.setSeed(1);
    auto uniform = [](float from, float to) { return from + (to - from) * static_cast<float>(gameRandom.fraction()); };
    for (int i = 0; i < count; ++i) {
        auto* sprite = new Renderable;
        sprite->setSkin(texture.skins[0]);
        root.addChild(sprite);
        sprites.push_back(sprite);
        starts.push_back({uniform(-320.f, 320.f), uniform(-240.f, 240.f), 0.f});
        velocities.push_back({uniform(-2.f, 2.f), uniform(-2.f, 2.f), 0.f});
    }
    int frame = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < sprites.size(); ++i) {
            const Vector3 moved = starts[i] + velocities[i] * static_cast<float>(frame % 100);
            sprites[i]->position = moved;
        }
        graphics->beginScene();
        graphics->clear(0xFF000020);
        root.render();
        graphics->endScene();
        presentFinishedFrame(*graphics);
        ++frame;
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sprites)->Arg(200)->Arg(2000)->UseRealTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
