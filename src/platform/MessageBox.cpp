#include "platform/MessageBox.h"
#include <SDL.h>
#include <cstring>

namespace platform {

bool showErrorBox(const std::string& title, const std::string& text) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    // Offscreen and dummy drivers have no one to read a box.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) return false;
    return SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr) == 0;
}

}  // namespace platform
