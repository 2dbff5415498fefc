#include "core/EngineLifecycle.h"
#include <chrono>
#include <thread>
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "platform/OpenAddress.h"
#include "platform/Paths.h"
#include "platform/ProcessSetup.h"

bool restartRequested = false;

namespace {

constexpr auto BACKGROUND_WAIT = std::chrono::milliseconds(100);

EngineEnvironment environment;
std::unique_ptr<Vek> pEngine;
std::unique_ptr<GameRoot> pGameRoot;

bool isWindowInForeground() { return !environment.isInForeground || environment.isInForeground(); }

}  // namespace

void installEngineEnvironment(EngineEnvironment newEnvironment) { environment = std::move(newEnvironment); }

GameRoot* getGameRoot() { return pGameRoot.get(); }

void createVEK() {
    Vek::Options options;
    options.bFixedStep = environment.bFixedStep;
    options.seed = environment.seed;
    options.createMedia = environment.createMedia;
    pEngine = std::make_unique<Vek>(std::move(options));
    if (environment.createGameRoot) {
        pGameRoot = environment.createGameRoot();
        pGameRoot->initPreLoader();
    }
    VEK_LOG(u"Entering game loop.");
}

void deleteVEK() {
    VEK_LOG(u"VEK shutting down...");
    pGameRoot.reset();
    platform::noteExitProgress();
    pEngine.reset();
}

FrameTickResult frameTick() {
    if (!pEngine) {
        if (!isWindowInForeground()) {
            std::this_thread::sleep_for(BACKGROUND_WAIT);
            return FrameTickResult::Waited;
        }
        createVEK();
    }
    pEngine->setWindowActive(isWindowInForeground());
    pEngine->frame(pGameRoot ? pGameRoot->getRootContext() : nullptr);
    if (pGameRoot && pGameRoot->isQuitRequested()) return FrameTickResult::Stop;
    if (restartRequested) {
        deleteVEK();
        restartRequested = false;
    }
    return FrameTickResult::Ran;
}

void shutDownEngine() {
    if (!pEngine) return;
    const WideString exitUrl = pGameRoot ? pGameRoot->getExitUrl() : WideString();
    deleteVEK();
    if (exitUrl.empty()) return;
    if (!platform::openAddress(toFileName(exitUrl), platform::executableFolder()))
        VEK_LOG(u"Could not open '%s'.", exitUrl);
}
