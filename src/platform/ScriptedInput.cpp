#include "platform/ScriptedInput.h"
#include <algorithm>

namespace platform {

void ScriptedInput::poll(InputSnapshot& out) {
    out = next;
    next.typed.clear();
    next.wheel = 0;
    next.bMouseMoved = false;
    std::erase_if(next.touches, [](const TouchContact& contact) { return !contact.bDown; });
}

void ScriptedInput::warpMouse(float x, float y) {
    next.mouseX = x;
    next.mouseY = y;
}

}  // namespace platform
