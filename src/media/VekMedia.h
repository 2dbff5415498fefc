#pragma once
#include <memory>
#include "core/MediaServices.h"
#include "platform/InputSnapshot.h"

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
    /// What a run may change of the devices.
    struct Options {
        /// Where the input comes from; null: the window's events and the joysticks. Tests
        /// and headless runs feed a script here, through the same path as the keyboard.
        std::unique_ptr<platform::InputSource> pInput;
        /// The null audio device whatever the settings say.
        bool bSilent = false;
        /// Frames submit nothing to the renderer (see VekGraphics::bNoDraw).
        bool bNoDraw = false;
    };

    /// The graphics and audio settings come from the engine's user settings (sections
    /// "VekGraphics" and "VekAudio").
    VekMedia(platform::PlatformWindow& window, Options options);
    /// Input from the window's devices.
    explicit VekMedia(platform::PlatformWindow& window);
    ~VekMedia() override;
    VekMedia(const VekMedia&) = delete;
    VekMedia& operator=(const VekMedia&) = delete;

    /// The media of the running engine root, or null.
    static VekMedia* get();

    void beginFrame() override;
    void followPointer(Context* rootContext) override;
    void trackPointer(Context* rootContext) override;
    ScreenPointer getScreenPointer() const override;
    KeyNameTable& getKeyNames() override;
    bool needsDeviceRestart() override;
    void restartDevice() override;
    void beginScene() override;
    /// F9 saves the root context as a JPEG in the user-data folder; the game root tells the
    /// player of one that could not be saved.
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
