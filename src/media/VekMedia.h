#pragma once
#include <memory>
#include "core/MediaServices.h"

namespace platform {
class PlatformWindow;
}
class ConsoleOverlay;
class FontGDI;
class PointerTracker;
class VekAudio;
class VekGraphics;
class VekInput;

/// The engine media services, created in their order (pointer tracker, input, graphics,
/// audio, the default TrueType font and the overlay drawn with it) and deleted in reverse. Reached through the engine root. Main thread only.
class VekMedia : public MediaServices {
public:
    /// Input comes from the window's events; the graphics and audio settings come from the
    /// engine's user settings (sections "VekGraphics" and "VekAudio").
    explicit VekMedia(platform::PlatformWindow& window);
    ~VekMedia() override;
    VekMedia(const VekMedia&) = delete;
    VekMedia& operator=(const VekMedia&) = delete;

    /// The media of the running engine root, or null.
    static VekMedia* get();

    void beginFrame() override;
    void trackPointer(Context* rootContext) override;
    ScreenPointer getScreenPointer() const override;
    KeyNameTable& getKeyNames() override;
    bool needsDeviceRestart() override;
    void restartDevice() override;
    void beginScene() override;
    /// F9 saves the root context as a JPEG in the user-data folder.
    void takeRequestedScreenshot(Context* rootContext) override;
    void drawHud() override;
    void endScene() override;

    PointerTracker& getPointerTracker() { return *pPointerTracker; }
    VekInput& getInput() { return *pInput; }
    VekGraphics& getGraphics() { return *pGraphics; }
    VekAudio& getAudio() { return *pAudio; }
    FontGDI& getDefaultFont() { return *pDefaultFont; }

private:
    platform::PlatformWindow& window;
    std::unique_ptr<PointerTracker> pPointerTracker;
    std::unique_ptr<VekInput> pInput;
    std::unique_ptr<VekGraphics> pGraphics;
    std::unique_ptr<VekAudio> pAudio;
    std::unique_ptr<FontGDI> pDefaultFont;
    std::unique_ptr<ConsoleOverlay> pOverlay;
};
