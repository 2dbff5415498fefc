#include "media/VekMedia.h"
#include "core/Console.h"
#include "core/Context.h"
#include "core/EngineLifecycle.h"
#include "core/ErrorManager.h"
#include "core/KeyCodes.h"
#include "core/LiveObjectList.h"
#include "core/UserSettings.h"
#include "core/Vek.h"
#include "core/VekBase.h"
#include "media/ConsoleOverlay.h"
#include "media/FontGDI.h"
#include "media/PointerTracker.h"
#include "media/VekAudio.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "platform/PlatformWindow.h"
#include "platform/SdlInputSource.h"

namespace {

constexpr KeyCode SCREENSHOT_KEY = 0x43;  // F9

}  // namespace

VekMedia::VekMedia(platform::PlatformWindow& programWindow, Options options) : window(programWindow) {
    pPointerTracker = std::make_unique<PointerTracker>();
    if (!options.pInput) options.pInput = std::make_unique<platform::SdlInputSource>(&window);
    pInput = std::make_unique<VekInput>(std::move(options.pInput));
    pInput->onInputModeChange = [](int mode) {
        Vek::get()->getLiveObjects().forEach([mode](VekBase& object) { object.onInputModeChange(mode); });
    };

    Vek& engine = *Vek::get();
    UserSettings& settings = engine.getUserSettings();
    pGraphics = std::make_unique<VekGraphics>(window, VekGraphics::readSettings(settings), &settings);
    pGraphics->bNoDraw = options.bNoDraw;
    engine.setContextRenderer(pGraphics.get());
    engine.getErrorManager().setHooks(pGraphics->makeErrorHooks());
    const VekAudio::Settings audio = VekAudio::readSettings(settings);
    pAudio = std::make_unique<VekAudio>(options.bSilent || audio.bNoAudio, audio.frequency, &settings);
    pAudio->setDelayedLoad(engine.bEnableDelayedLoad);
    pDefaultFont = std::make_unique<FontGDI>(ConsoleOverlay::FONT_SIZE);
    pOverlay = std::make_unique<ConsoleOverlay>(*pDefaultFont);
}

VekMedia::VekMedia(platform::PlatformWindow& programWindow) : VekMedia(programWindow, Options{}) {}

VekMedia::~VekMedia() {
    pOverlay.reset();
    pDefaultFont.reset();
    pAudio.reset();
    Vek& engine = *Vek::get();
    engine.getErrorManager().setHooks({});
    engine.setContextRenderer(nullptr);
    pGraphics.reset();
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

KeyNameTable& VekMedia::getKeyNames() { return pInput->keyNames; }

void VekMedia::followPointer(Context* rootContext) { pPointerTracker->follow(rootContext); }

void VekMedia::trackPointer(Context* rootContext) { pPointerTracker->update(rootContext); }

MediaServices::ScreenPointer VekMedia::getScreenPointer() const {
    const Vector3 screen = pGraphics->windowToScreen(pInput->getPointingPosition());
    return ScreenPointer{screen.x, screen.y, static_cast<float>(pGraphics->screenWidth),
                         static_cast<float>(pGraphics->screenHeight)};
}

bool VekMedia::needsDeviceRestart() { return pGraphics->needsRestart(); }

void VekMedia::restartDevice() {
    // The pointer keeps its place on the screen when the display changes size, so that what
    // it pointed at (the item that keys focused) stays under it.
    const Vector3 onScreen = pGraphics->windowToScreen(pInput->pointer);
    pGraphics->restartDevice();
    const Vector3 pixel = pGraphics->screenToWindow(onScreen);
    pInput->setMousePosition(pixel.x, pixel.y);
}

void VekMedia::beginScene() { pGraphics->beginScene(); }

void VekMedia::takeRequestedScreenshot(Context* rootContext) {
    if (!pInput->isKeyPressed(SCREENSHOT_KEY)) return;
    const VekGraphics::NumberedScreenshot shot = pGraphics->takeNumberedScreenshot([rootContext] {
        if (rootContext) rootContext->renderContext();
    });
    GameRoot* game = getGameRoot();
    if (!shot.bSaved && game) game->tellFailedSave(shot.path);
}

void VekMedia::drawHud() {
    const Vek& engine = *Vek::get();
    ConsoleOverlay::Status status;
    status.bDevelopment = !engine.bRelease;
    status.debugLevel = engine.debugLevel;
    status.frameRate = engine.measuredFrameRate;
    status.totalTimes = engine.getTotalTimes();
    status.frames = engine.renderedFrames;
    pOverlay->draw(*pGraphics, ConsoleOverlay::composeLines(status, Vek::get()->getConsole().getLines()));
}

void VekMedia::endScene() {
    pGraphics->endScene();
    pGraphics->present();
}
