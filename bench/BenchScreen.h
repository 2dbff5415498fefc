#pragma once
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>
#include <string>
#include "core/UserSettings.h"
#include "core/Vek.h"
#include "media/VekGraphics.h"
#include "platform/PlatformWindow.h"

// The screen the drawing benchmarks share: a 640 x 480 window of the offscreen video driver
// (software rasteriser on a machine without a GPU) unless SDL_VIDEODRIVER names another.

/// The window, or null with the benchmark marked as failed when it cannot open.
inline std::unique_ptr<platform::PlatformWindow> openBenchWindow(benchmark::State& state,
                                                                 const std::string& caption) {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    std::string error;
    auto window = platform::PlatformWindow::open(caption, 640, 480, error);
    if (!window) state.SkipWithError(error.c_str());
    return window;
}

/// For the engine being built, before its media: the display stays a window of the bench window's
/// size, as a fresh user-data folder would otherwise open it full screen, at the display's size.
inline void keepEngineWindowed() {
    Vek::get()->getUserSettings().setBool(VekGraphics::SETTINGS_SECTION, VekGraphics::FULL_SCREEN_KEY, false);
}

/// The renderer on `window`, not waiting for vertical sync so that frames run as fast as they can.
inline std::unique_ptr<VekGraphics> openBenchGraphics(platform::PlatformWindow& window) {
    VekGraphics::Settings settings;
    settings.bVSync = false;
    return std::make_unique<VekGraphics>(window, settings);
}

/// Waits for the rasteriser to finish the frame by reading one pixel back, then presents it.
inline void presentFinishedFrame(VekGraphics& graphics) {
    benchmark::DoNotOptimize(graphics.getDevice().readPixels(0, 0, 1, 1));
    graphics.present();
}
