#include "media/VekMedia.h"
#include "core/UserSettings.h"
#include "core/Vek.h"
#include "media/PointerTracker.h"
#include "media/VekAudio.h"
#include "media/VekInput.h"
#include "platform/PlatformWindow.h"
#include "platform/SdlInputSource.h"

namespace {

constexpr char16_t AUDIO_SECTION[] = u"VekAudio";

}  // namespace

VekMedia::VekMedia(platform::PlatformWindow& programWindow) : window(programWindow) {
    pPointerTracker = std::make_unique<PointerTracker>();
    pInput = std::make_unique<VekInput>(std::make_unique<platform::SdlInputSource>(&window));

    Vek& engine = *Vek::get();
    UserSettings& settings = engine.getUserSettings();
    const bool bNoAudio = settings.getBool(AUDIO_SECTION, u"bNoAudio", false);
    const int frequency = settings.getInt(AUDIO_SECTION, u"frequency", VekAudio::DEFAULT_FREQUENCY);
    pAudio = std::make_unique<VekAudio>(bNoAudio, frequency);
    pAudio->setDelayedLoad(engine.bEnableDelayedLoad);
}

VekMedia::~VekMedia() {
    pAudio.reset();
    pInput.reset();
    pPointerTracker.reset();
}

VekMedia* VekMedia::get() {
    Vek* engine = Vek::get();
    return engine ? static_cast<VekMedia*>(engine->getMedia()) : nullptr;
}

void VekMedia::beginFrame() {
    pInput->poll();
    pAudio->update();
}

void VekMedia::trackPointer(Context* rootContext) { pPointerTracker->update(rootContext); }

MediaServices::ScreenPointer VekMedia::getScreenPointer() const {
    // Window pixels stretched over the 640 by 480 screen, y turned to grow upwards.
    ScreenPointer screen;
    int width = 0, height = 0;
    window.getSize(width, height);
    if (width <= 0 || height <= 0) return screen;
    screen.x = pInput->pointer.x * screen.width / static_cast<float>(width);
    screen.y = screen.height - pInput->pointer.y * screen.height / static_cast<float>(height);
    return screen;
}
