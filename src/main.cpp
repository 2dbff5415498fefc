#include <cstdio>
#include "core/AppEnvironment.h"
#include "core/CommandLine.h"
#include "core/EngineLifecycle.h"
#include "core/MessageLoop.h"
#include "core/StringUtil.h"
#include "game/Autopilot.h"
#include "game/GameGlobal.h"
#include "media/VekMedia.h"
#include "menus/GameMenuScreens.h"
#include "platform/CrashHandler.h"
#include "platform/MessageBox.h"
#include "platform/PlatformWindow.h"
#include "platform/ProcessSetup.h"
#include "platform/SdlInputSource.h"
#include "platform/SingleInstanceLock.h"

namespace {

constexpr char WINDOW_CAPTION[] = "Zelbin Vorlanx: Ombrel Rise";

void installCrashFiles() {
    platform::installCrashHandler(
        {toFileName(getCrashMiniDumpPath()), toFileName(getLogPath()), toFileName(getCrashLogPath())});
}

std::unique_ptr<GameGlobal> createGameRoot(const CommandLineOptions& options) {
    auto game = std::make_unique<GameGlobal>(std::make_unique<GameMenuScreens>(), getWadPath());
    game->setQuickStart({options.playWave, options.playPlayers, options.bInvulnerable});
    return game;
}

// Refusals before the window exists reach a player who started the program without a terminal.
int refuseStart(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    platform::showErrorBox("Error", text);
    return 1;
}

std::string lockFilePath() { return toFileName(getUserFilesFolder() + u"/" + BUILD_IDENTIFIER + u".lock"); }

}  // namespace

int main(int argc, char** argv) {
    if (platform::isBoxProcess(argc, argv)) platform::runBoxProcess(argv);
    platform::prepareProcess();
    setProgramArguments(argc, argv);
    WideString badSwitch;
    const auto options = parseCommandLine(getProgramArguments(), badSwitch);
    const std::string usage = toUtf8(commandLineUsage(getProgramPath()));
    if (!options) {
        std::fprintf(stderr, "%s\n%s", toUtf8(badSwitch).c_str(), usage.c_str());
        return 2;
    }
    if (options->bHelp) {
        std::fputs(usage.c_str(), stdout);
        return 0;
    }
    std::string folderError;
    if (!makeUserFilesFolder(folderError)) return refuseStart(folderError);
    installCrashFiles();
    platform::SingleInstanceLock instanceLock(lockFilePath());
    if (instanceLock.getState() == platform::SingleInstanceLock::State::HeldElsewhere) {
        std::fprintf(stderr, "Another copy is running already.\n");
        return 0;
    }
    if (!instanceLock.isHeld())
        return refuseStart("Could not use the user-data folder " + toUtf8(getUserFilesFolder()) + ": " +
                           toUtf8(fromFileName(instanceLock.getError())));
    std::string error;
    auto window = platform::PlatformWindow::open(WINDOW_CAPTION, 100, 100, error);
    if (!window) return refuseStart("Could not open the window: " + error);
    const CommandLineOptions& run = *options;
    installEngineEnvironment({[&window] { return window->hasInputFocus(); }, run.bFixedStep,
                              [&run] { return createGameRoot(run); },
                              [&window, &run] {
                                  VekMedia::Options media;
                                  media.bNoDraw = run.bNoDraw;
                                  if (run.bAutopilot)
                                      media.pInput = std::make_unique<Autopilot>(
                                          std::make_unique<platform::SdlInputSource>(window.get()));
                                  return std::make_unique<VekMedia>(*window, std::move(media));
                              },
                              run.seed});
    runMessageLoop(*window, options->frames);
    return 0;
}
