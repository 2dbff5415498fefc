#include "core/Vek.h"
#include <algorithm>
#include "core/AppEnvironment.h"
#include "core/ClassRegistry.h"
#include "core/Console.h"
#include "core/Context.h"
#include "core/ErrorManager.h"
#include "core/FileManager.h"
#include "core/GameRandom.h"
#include "core/Language.h"
#include "core/LiveObjectList.h"
#include "core/Logger.h"
#include "core/MediaServices.h"
#include "core/ResourceManager.h"
#include "core/StaticSettings.h"
#include "core/TimeKeeper.h"
#include "core/UserSettings.h"
#include "core/VekBase.h"
#include "platform/FixedStepClock.h"
#include "platform/FramePacer.h"
#include "platform/MonotonicClock.h"

namespace {

Vek* activeVek = nullptr;
// The first engine of a run starts the log; one rebuilt later (a restart) continues it.
bool bLogStarted = false;

constexpr double FRAME_RATE_WINDOW = 0.5;  // seconds over which the frame rate is measured
// The user settings section of the engine root.
constexpr char16_t SECTION[] = u"Vek";
constexpr char16_t DEVELOPER_ACCESS_CODE[] = u"vek-7d33-brume";
constexpr int MIN_FRAMES_PER_SECOND = 10;
constexpr int MAX_FRAMES_PER_SECOND = 500;
constexpr int DEFAULT_FRAMES_PER_SECOND = 30;

const char16_t* modeName(VekMode mode) {
    switch (mode) {
    case VekMode::Frozen: return u"frozen";
    case VekMode::Paused: return u"paused";
    case VekMode::Running: return u"running";
    }
    return u"?";
}

std::unique_ptr<platform::Clock> makeClock(bool bFixedStep) {
    if (bFixedStep) return std::make_unique<platform::FixedStepClock>();
    return std::make_unique<platform::MonotonicClock>();
}

}  // namespace

Vek::Vek(Options options) : bFixedStep(options.bFixedStep) {
    activeVek = this;
    pClock = options.pClock ? std::move(options.pClock) : makeClock(bFixedStep);
    gameRandom.setSeed(options.seed ? *options.seed
                                    : static_cast<uint32_t>(static_cast<uint64_t>(pClock->now())));
    pLiveObjects = std::make_unique<LiveObjectList>();
    createServices(options.createMedia);
    pPacer = std::make_unique<platform::FramePacer>(*pClock, framesPerSecond);
    frameReferenceTime = frameRateWindowStart = getTimeSinceStart();
    VEK_LOG(u"Engine created (%s, %d frames per second%s).", bRelease ? u"release" : u"development mode",
            framesPerSecond, bFixedStep ? u", fixed step" : u"");
}

Vek::~Vek() {
    saveConfig();
    logFrameSummary();
    destroyServices();
    pLiveObjects->report();
    pErrorManager.reset();
    pLogger.reset();
    pLiveObjects.reset();
    activeVek = nullptr;
}

Vek* Vek::get() { return activeVek; }

void Vek::createServices(const std::function<std::unique_ptr<MediaServices>()>& createMedia) {
    pLogger = std::make_unique<Logger>(getLogPath(), bLogStarted);
    bLogStarted = true;
    pErrorManager = std::make_unique<ErrorManager>();
    pTimeKeeper = std::make_unique<TimeKeeper>(*pClock);
    engineStartTime = pTimeKeeper->getPhysicalTime();
    pFileManager = std::make_unique<FileManager>();
    pStaticSettings = std::make_unique<StaticSettings>();
    pFileManager->setHq2x(pStaticSettings->hq2x);
    pUserSettings = std::make_unique<UserSettings>();
    readSettings();
    pResourceManager = std::make_unique<ResourceManager>();
    pClassRegistry = std::make_unique<ClassRegistry>();
    pClassRegistry->registerDeclaredClasses();
    // The pointer tracker, VekInput, VekGraphics, VekAudio and the default font, in that order.
    if (createMedia) pMedia = createMedia();
    // VekNetwork joins after the console.
    pConsole = std::make_unique<Console>();
    pLanguage = std::make_unique<Language>(pStaticSettings->languageMask);
    if (pMedia) pLanguage->setKeyNameTable(&pMedia->getKeyNames());
}

void Vek::destroyServices() {
    pLanguage.reset();
    pConsole.reset();
    pMedia.reset();
    pClassRegistry.reset();
    pResourceManager.reset();
    pUserSettings.reset();
    pStaticSettings.reset();
    pFileManager.reset();
    pTimeKeeper.reset();
}

void Vek::readSettings() {
    UserSettings& settings = *pUserSettings;
    defaultLanguage = settings.getInt(SECTION, u"defaultLanguage", -2);
    bEnableDelayedLoad = settings.getBool(SECTION, u"bEnableDelayedLoad", true);
    debugLevel = settings.getInt(SECTION, u"debugLevel", 0);
    debugCode = settings.getString(SECTION, u"debugCode", u"");
    framesPerSecond = settings.getInt(SECTION, u"framesPerSecond", DEFAULT_FRAMES_PER_SECOND);
    if (framesPerSecond < MIN_FRAMES_PER_SECOND || framesPerSecond > MAX_FRAMES_PER_SECOND) {
        VEK_LOG(u"framesPerSecond %d is out of range; using %d.", framesPerSecond, DEFAULT_FRAMES_PER_SECOND);
        framesPerSecond = DEFAULT_FRAMES_PER_SECOND;
    }
    bRelease = debugCode != DEVELOPER_ACCESS_CODE;
    if (bRelease) debugLevel = 0;
}

bool Vek::saveConfig() {
    UserSettings& settings = *pUserSettings;
    settings.setInt(SECTION, u"defaultLanguage", defaultLanguage);
    settings.setBool(SECTION, u"bEnableDelayedLoad", bEnableDelayedLoad);
    settings.setInt(SECTION, u"debugLevel", debugLevel);
    settings.setString(SECTION, u"debugCode", debugCode);
    settings.setInt(SECTION, u"framesPerSecond", framesPerSecond);
    return settings.save();
}

double Vek::getTimeSinceStart() const { return pClock->now() - engineStartTime; }

void Vek::frame(Context* rootContext) {
    lastFrameTimes.fill(0.0);
    phaseMark = pClock->now();
    if (pMedia && pMedia->needsDeviceRestart()) bDeviceLost = true;
    updateMode();
    if (mode == VekMode::Frozen && bDeviceLost && pMedia) {
        // Every object has heard the step into the frozen mode; it hears the way back next frame.
        pMedia->restartDevice();
        bDeviceLost = false;
    }
    markPhase(Phase::Misc);
    if (mode == VekMode::Running) {
        runFrame(rootContext);
    } else {
        // Time spent frozen or paused is not context time.
        frameReferenceTime = getTimeSinceStart();
    }
    pPacer->waitForNextFrame();
    markPhase(Phase::TimerWait);
    updateFrameRate(getTimeSinceStart());
    markPhase(Phase::Misc);
    for (std::size_t i = 0; i < totalTimes.size(); ++i) totalTimes[i] += lastFrameTimes[i];
}

void Vek::runFrame(Context* rootContext) {
    const double now = getTimeSinceStart();
    const double dt = bFixedStep ? tickStep : std::clamp(now - frameReferenceTime, 0.0, MAX_FRAME_STEP);
    frameReferenceTime = now;
    globalClock += dt;
    // The console's own tick joins the console phase as it lands.
    if (pMedia) pMedia->beginFrame();
    if (pMedia) pMedia->followPointer(rootContext);
    if (rootContext) rootContext->tickContext(globalClock, dt);
    if (pMedia) pMedia->trackPointer(rootContext);
    markPhase(Phase::Tick);
    markPhase(Phase::Console);
    if (pMedia) pMedia->beginScene();
    if (rootContext) rootContext->renderContext();
    if (pMedia) pMedia->takeRequestedScreenshot(rootContext);
    markPhase(Phase::Render);
    if (pMedia) pMedia->drawHud();
    markPhase(Phase::Hud);
    if (pMedia) pMedia->endScene();
    markPhase(Phase::Present);
    ++renderedFrames;
}

void Vek::markPhase(Phase phase) {
    const double now = pClock->now();
    lastFrameTimes[static_cast<std::size_t>(phase)] += now - phaseMark;
    phaseMark = now;
}

void Vek::updateMode() {
    const VekMode target = bDeviceLost ? VekMode::Frozen : bWindowActive ? VekMode::Running : VekMode::Paused;
    while (mode != target) stepModeTo(static_cast<VekMode>(static_cast<int>(mode) + (mode < target ? 1 : -1)));
}

void Vek::stepModeTo(VekMode next) {
    const VekMode from = mode;
    mode = next;
    VEK_LOG(u"Mode %s -> %s.", modeName(from), modeName(next));
    pLiveObjects->forEach([from, next](VekBase& object) { object.onModeChange(from, next); });
}

void Vek::updateFrameRate(double now) {
    ++frameRateWindowFrames;
    const double elapsed = now - frameRateWindowStart;
    if (elapsed < FRAME_RATE_WINDOW) return;
    measuredFrameRate = frameRateWindowFrames / elapsed;
    frameRateWindowFrames = 0;
    frameRateWindowStart = now;
}

void Vek::logFrameSummary() const {
    VEK_LOG(u"Rendered %d frames in %.3f sec.", renderedFrames, getTimeSinceStart());
    if (bRelease || renderedFrames == 0) return;
    for (std::size_t i = 0; i < totalTimes.size(); ++i)
        VEK_LOG(u"Average %s: %.3f ms", PHASE_NAMES[i], totalTimes[i] * 1000.0 / renderedFrames);
}
