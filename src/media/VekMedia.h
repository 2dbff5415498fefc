#pragma once
#include <memory>
#include "core/MediaServices.h"

namespace platform {
class PlatformWindow;
}
class PointerTracker;
class VekAudio;
class VekInput;

/// The engine media services, created in their order (pointer tracker, input, audio) and
/// deleted in reverse. Reached through the engine root. Main thread only.
class VekMedia : public MediaServices {
public:
    /// Input comes from the window's events; the audio settings come from the engine's
    /// user settings (section "VekAudio").
    explicit VekMedia(platform::PlatformWindow& window);
    ~VekMedia() override;
    VekMedia(const VekMedia&) = delete;
    VekMedia& operator=(const VekMedia&) = delete;

    /// The media of the running engine root, or null.
    static VekMedia* get();

    void beginFrame() override;
    void trackPointer(Context* rootContext) override;
    ScreenPointer getScreenPointer() const override;

    PointerTracker& getPointerTracker() { return *pPointerTracker; }
    VekInput& getInput() { return *pInput; }
    VekAudio& getAudio() { return *pAudio; }

private:
    platform::PlatformWindow& window;
    std::unique_ptr<PointerTracker> pPointerTracker;
    std::unique_ptr<VekInput> pInput;
    std::unique_ptr<VekAudio> pAudio;
};
