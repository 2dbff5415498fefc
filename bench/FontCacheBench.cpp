#include <benchmark/benchmark.h>
#include <ctime>
#include <memory>
#include <vector>
#include "BenchScreen.h"
#include "core/Format.h"
#include "media/FontQuad.h"
#include "media/GlyphPageSupport.h"

// Frames of 200 short texts (8 to 12 characters, as scores, names and labels) in a 14-pixel
// bitmap font on a 640 x 480 screen through the offscreen OpenGL renderer, drawn glyph by
// glyph (Arg 0) or through the font cache (Arg 1). Each iteration is one whole frame: begin,
// clear, the texts, end, present, and a one-pixel read-back that waits for the rasteriser.
// The CPU column is the main thread's time per frame; "fps" frames per wall-clock second;
// "texts_us" the main thread's microseconds per frame spent drawing the texts and handing
// them to the device (the rest of a frame is the same either way).

namespace {

double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
}

constexpr int TEXT_COUNT = 200;

} // namespace

static void BM_ShortTexts(benchmark::State& state) {
    const bool bCached = state.range(0) != 0;
    const auto window = openBenchWindow(state, "font benchmark");
    if (!window) return;
    const auto graphics = openBenchGraphics(*window);
    const std::unique_ptr<Texture> page = makeGlyphPage(*graphics, printableAscii(), 14);
    FontQuad font;
    font.addSourceTexture(page.get(), 32, false);
    font.bCacheFlag = true;
    font.createFontCache();
    std::vector<WideString> texts;
    for (int i = 0; i < TEXT_COUNT; ++i)
        texts.push_back(stringf(u"Score %d", 1000 + i * 37));
    const int flags = FontQuad::TEXT_CENTRE | (bCached ? 0 : FontQuad::TEXT_NOCACHE);
    double textSeconds = 0.0;
    for (auto _ : state) {
        graphics->beginScene();
        graphics->clear(0xFF000020);
        const double start = threadSeconds();
        for (int i = 0; i < TEXT_COUNT; ++i) {
            const float x = -260.f + 130.f * static_cast<float>(i % 5);
            const float y = 220.f - 11.f * static_cast<float>(i / 5);
            font.drawText(texts[static_cast<std::size_t>(i)], x, y, 0.f, 0xFFFFFFFF, flags);
        }
        graphics->endScene();
        textSeconds += threadSeconds() - start;
        presentFinishedFrame(*graphics);
    }
    state.counters["texts_us"] = 1e6 * textSeconds / static_cast<double>(state.iterations());
    state.counters["fps"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ShortTexts)
    ->ArgName("cached")
    ->Arg(0)
    ->Arg(1)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(2.0);
