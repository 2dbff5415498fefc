#include "core/MessageLoop.h"
#include "core/EngineLifecycle.h"
#include "platform/PlatformWindow.h"
#include "platform/ProcessSetup.h"

void runMessageLoop(platform::PlatformWindow& window, int maxFrames) {
    int frames = 0;
    while (!window.isCloseRequested()) {
        if (window.pumpEvent()) continue;
        const FrameTickResult result = frameTick();
        if (result == FrameTickResult::Ran) ++frames;
        if (result == FrameTickResult::Stop || (maxFrames > 0 && frames >= maxFrames)) window.requestClose();
    }
    platform::noteExitProgress(); // the frame loop answered
    shutDownEngine();
    platform::noteExitProgress(); // what is left: the window, and the process's own end
}
