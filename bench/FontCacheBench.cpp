#include <benchmark/benchmark.h>
#include <ctime>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>
#include "core/Format.h"
#include "media/FontCache.h"
#include "media/FontGDI.h"
#include "media/FontQuad.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"
#include "platform/PlatformWindow.h"

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

// Printable ASCII as one glyph page, drawn with the TrueType font.
std::unique_ptr<Texture> asciiPage(VekGraphics& graphics) {
    const FontGDI ttf(14);
    std::vector<MemoryImageFile> glyphs;
    int width = 0;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        MemoryImageFile glyph = ttf.rasterize(std::u16string_view(&c, 1));
        if (glyph.width == 0) glyph = MemoryImageFile(4, ttf.getLineHeight());
        width += glyph.width;
        glyphs.push_back(std::move(glyph));
    }
    MemoryImageFile page(width, ttf.getLineHeight());
    std::vector<Texture::Frame> frames;
    int left = 0;
    for (const MemoryImageFile& glyph : glyphs) {
        for (int y = 0; y < glyph.height; ++y)
            for (int x = 0; x < glyph.width; ++x)
                page.at(left + x, y) = glyph.at(x, y);
        frames.push_back({Rect{float(left), 0.f, float(left + glyph.width), float(glyph.height)}, Vector3{}});
        left += glyph.width;
    }
    return std::make_unique<Texture>(graphics, std::move(page), frames, Texture::TEXTURE_POINT_SAMPLED);
}

} // namespace

static void BM_ShortTexts(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    const bool bCached = state.range(0) != 0;
    std::string error;
    auto window = platform::PlatformWindow::open("font benchmark", 0, 0, 640, 480, error);
    if (!window) {
        state.SkipWithError(error.c_str());
        return;
    }
    VekGraphics::Settings settings;
    settings.bVSync = false;
    VekGraphics graphics(*window, settings);
    const std::unique_ptr<Texture> page = asciiPage(graphics);
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
        graphics.beginScene();
        graphics.clear(0xFF000020);
        const double start = threadSeconds();
        for (int i = 0; i < TEXT_COUNT; ++i) {
            const float x = -260.f + 130.f * static_cast<float>(i % 5);
            const float y = 220.f - 11.f * static_cast<float>(i / 5);
            font.drawText(texts[static_cast<std::size_t>(i)], x, y, 0.f, 0xFFFFFFFF, flags);
        }
        graphics.endScene();
        textSeconds += threadSeconds() - start;
        benchmark::DoNotOptimize(graphics.getDevice().readPixels(0, 0, 1, 1));
        graphics.present();
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
