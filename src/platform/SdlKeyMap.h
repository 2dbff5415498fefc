#pragma once

namespace platform {

/// The engine's keyboard scan code (DirectInput numbering) of an SDL scancode; 0 for keys
/// the engine has no code for.
int scanCodeFromSdl(int sdlScancode);

}  // namespace platform
