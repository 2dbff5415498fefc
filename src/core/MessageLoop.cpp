#include "core/MessageLoop.h"
#include "core/EngineLifecycle.h"
#include "platform/PlatformWindow.h"

void runMessageLoop(platform::PlatformWindow& window, int maxFrames) {
    int frames = 0;
    while (!window.isCloseRequested()) {
        if (window.pumpEvent()) continue;
        const FrameTickResult result = frameTick();
        if (result == FrameTickResult::Ran) ++frames;
        if (result == FrameTickResult::Stop || (maxFrames > 0 && frames >= maxFrames)) window.requestClose();
    }
    shutDownEngine();
}
