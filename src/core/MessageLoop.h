#pragma once

namespace platform {
class PlatformWindow;
}

/// The program's message loop: handles every waiting event of the window and runs one frame
/// tick whenever none waits. A close request of the window (its close box, or the game
/// quitting) shuts the engine down and ends the loop. With `maxFrames` > 0 the window is
/// asked to close after that many engine frames.
void runMessageLoop(platform::PlatformWindow& window, int maxFrames);
