#include "platform/SdlInputSource.h"
#include <SDL.h>
#include <algorithm>
#include "platform/PlatformWindow.h"
#include "platform/SdlKeyMap.h"

namespace platform {
namespace {

// SDL's buttons 1..5 -> the engine's mouse buttons 0 (left), 1 (right), 2 (middle), 3 (first extra).
int mouseButtonIndex(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    case SDL_BUTTON_X1: return 3;
    default: return -1;
    }
}

float axisValue(SDL_Joystick* joystick, int axis) {
    if (SDL_JoystickNumAxes(joystick) <= axis) return 0.f;
    return std::clamp(SDL_JoystickGetAxis(joystick, axis) / 32767.f, -1.f, 1.f);
}

}  // namespace

SdlInputSource::SdlInputSource(PlatformWindow* window) : pWindow(window) {
    if (pWindow) pWindow->setEventListener([this](const SDL_Event& event) { handleEvent(event); });
    SDL_InitSubSystem(SDL_INIT_JOYSTICK);
    // Devices present at start arrive as SDL_JOYDEVICEADDED events too; opening is idempotent.
    openJoysticks();
    SDL_StartTextInput();
    if (pWindow) findPointer(pWindow->getSdlWindow());
}

SdlInputSource::~SdlInputSource() {
    if (pWindow) pWindow->setEventListener(nullptr);
    for (PadSlot& pad : pads)
        if (pad.pJoystick) SDL_JoystickClose(pad.pJoystick);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlInputSource::openJoysticks() {
    // Scans every device rather than the one an event names: a slot freed by a removal goes to a
    // pad that was present without one, such as a fifth.
    for (int device = 0; device < SDL_NumJoysticks(); ++device) {
        if (findPad(SDL_JoystickGetDeviceInstanceID(device))) continue;
        if (std::none_of(pads.begin(), pads.end(), [](const PadSlot& pad) { return !pad.pJoystick; })) return;
        SDL_Joystick* joystick = SDL_JoystickOpen(device);
        if (!joystick) continue;
        const PadIdentity identity = PadIdentity::of(joystick);
        pads[static_cast<std::size_t>(chooseSlot(identity))] = PadSlot{joystick, identity};
    }
}

int SdlInputSource::chooseSlot(const PadIdentity& identity) const {
    int chosen = -1;
    int bestLikeness = 0;
    for (int slot = 0; slot < MAXJOYSTICKS; ++slot) {
        const PadSlot& pad = pads[static_cast<std::size_t>(slot)];
        if (pad.pJoystick) continue;
        const int likeness = pad.owner ? pad.owner->likeness(identity) : 0;
        if (chosen < 0 || likeness > bestLikeness) {
            chosen = slot;
            bestLikeness = likeness;
        }
    }
    return chosen;
}

void SdlInputSource::closeJoystick(SDL_JoystickID instance) {
    // The slot remembers its pad, which takes it back if it returns while the slot is free.
    if (PadSlot* pad = findPad(instance)) {
        SDL_JoystickClose(pad->pJoystick);
        *pad = PadSlot{nullptr, pad->owner};
    }
    openJoysticks();
}

SdlInputSource::PadSlot* SdlInputSource::findPad(SDL_JoystickID instance) {
    for (PadSlot& pad : pads)
        if (pad.pJoystick && SDL_JoystickInstanceID(pad.pJoystick) == instance) return &pad;
    return nullptr;
}

std::string SdlInputSource::editingCharacter(SDL_Keycode key) {
    // Text input leaves out the editing keys that the typed text carries as control characters.
    switch (key) {
    case SDLK_BACKSPACE:
        return "\b";
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
        return "\r";
    default:
        return {};
    }
}

void SdlInputSource::findPointer(SDL_Window* window) {
    // A pointer that stands over a new window reports no motion until it moves: ask where it is.
    int x = 0, y = 0, width = 0, height = 0;
    SDL_GetGlobalMouseState(&x, &y);
    SDL_GetWindowPosition(window, &windowLeft, &windowTop);
    SDL_GetWindowSize(window, &width, &height);
    x -= windowLeft;
    y -= windowTop;
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    mouseX = static_cast<float>(x);
    mouseY = static_cast<float>(y);
}

void SdlInputSource::followWindow(int left, int top) {
    // The pointer stands still on the screen while the window moves under it.
    mouseX += static_cast<float>(windowLeft - left);
    mouseY += static_cast<float>(windowTop - top);
    windowLeft = left;
    windowTop = top;
}

void SdlInputSource::handleFinger(const SDL_TouchFingerEvent& finger, bool bDown) {
    int width = 1, height = 1;
    if (SDL_Window* window = SDL_GetWindowFromID(finger.windowID)) SDL_GetWindowSize(window, &width, &height);
    TouchContact& contact = touches[finger.fingerId];
    contact.id = static_cast<int64_t>(finger.fingerId);
    contact.x = finger.x * static_cast<float>(width);
    contact.y = finger.y * static_cast<float>(height);
    contact.bDown = bDown;
}

void SdlInputSource::handleEvent(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int code = scanCodeFromSdl(event.key.keysym.scancode);
        if (code == 0) break;
        keysDown[code] = event.type == SDL_KEYDOWN;
        if (event.type == SDL_KEYDOWN) keysTapped[code] = true;
        if (event.type == SDL_KEYDOWN) typed += editingCharacter(event.key.keysym.sym);
        break;
    }
    case SDL_MOUSEMOTION:
        if (event.motion.which == SDL_TOUCH_MOUSEID) break;  // touches report themselves
        mouseX = static_cast<float>(event.motion.x);
        mouseY = static_cast<float>(event.motion.y);
        bMouseMoved = true;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        if (event.button.which == SDL_TOUCH_MOUSEID) break;
        const int index = mouseButtonIndex(event.button.button);
        if (index < 0) break;
        mouseDown[index] = event.type == SDL_MOUSEBUTTONDOWN;
        if (mouseDown[index]) mouseTapped[index] = true;
        if (mouseDown[index] && index == 0 && !bClickedSincePoll) {
            mouseClicks = event.button.clicks;
            bClickedSincePoll = true;
        }
        mouseX = static_cast<float>(event.button.x);
        mouseY = static_cast<float>(event.button.y);
        break;
    }
    case SDL_MOUSEWHEEL:
        wheel += event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        break;
    case SDL_TEXTINPUT:
        typed += event.text.text;
        break;
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
        handleFinger(event.tfinger, true);
        break;
    case SDL_FINGERUP:
        handleFinger(event.tfinger, false);
        break;
    case SDL_JOYDEVICEADDED:
        openJoysticks();
        break;
    case SDL_JOYDEVICEREMOVED:
        closeJoystick(event.jdevice.which);
        break;
    case SDL_JOYBUTTONDOWN:
        if (PadSlot* pad = findPad(event.jbutton.which); pad && event.jbutton.button < MAXJOYSTICKBUTTONS)
            pad->tappedButtons |= 1u << event.jbutton.button;
        break;
    case SDL_JOYHATMOTION:
        if (PadSlot* pad = findPad(event.jhat.which); pad && event.jhat.hat == 0) pad->tappedHat |= event.jhat.value;
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            // Keys released while another window had the focus never report their release.
            keysDown.fill(false);
            mouseDown.fill(false);
        }
        if (event.window.event == SDL_WINDOWEVENT_MOVED) followWindow(event.window.data1, event.window.data2);
        break;
    default:
        break;
    }
}

void SdlInputSource::readJoysticks(InputSnapshot& out) {
    for (int i = 0; i < MAXJOYSTICKS; ++i) {
        JoystickState& state = out.joysticks[i];
        state = JoystickState{};
        PadSlot& pad = pads[static_cast<std::size_t>(i)];
        SDL_Joystick* joystick = pad.pJoystick;
        if (!joystick) continue;
        state.bConnected = true;
        const char* name = SDL_JoystickName(joystick);
        state.name = name ? name : "";
        state.stickX = axisValue(joystick, 0);
        state.stickY = axisValue(joystick, 1);
        if (SDL_JoystickNumHats(joystick) > 0) {
            const Uint8 hat = SDL_JoystickGetHat(joystick, 0) | pad.tappedHat;
            state.hatX = (hat & SDL_HAT_RIGHT) ? 1 : ((hat & SDL_HAT_LEFT) ? -1 : 0);
            state.hatY = (hat & SDL_HAT_UP) ? 1 : ((hat & SDL_HAT_DOWN) ? -1 : 0);
        }
        const int buttons = std::min(SDL_JoystickNumButtons(joystick), MAXJOYSTICKBUTTONS);
        for (int b = 0; b < buttons; ++b)
            if (SDL_JoystickGetButton(joystick, b)) state.buttons |= 1u << b;
        state.buttons |= pad.tappedButtons;
        pad.tappedButtons = 0;
        pad.tappedHat = 0;
    }
}

void SdlInputSource::poll(InputSnapshot& out) {
    for (std::size_t k = 0; k < keysDown.size(); ++k) out.keys[k] = keysDown[k] || keysTapped[k];
    keysTapped.fill(false);
    for (std::size_t b = 0; b < mouseDown.size(); ++b) out.mouseButtons[b] = mouseDown[b] || mouseTapped[b];
    mouseTapped.fill(false);
    out.mouseClicks = mouseClicks;
    bClickedSincePoll = false;
    out.mouseX = mouseX;
    out.mouseY = mouseY;
    out.bMouseMoved = bMouseMoved;
    bMouseMoved = false;
    out.wheel = wheel;
    wheel = 0;
    out.typed = std::move(typed);
    typed.clear();
    out.touches.clear();
    for (auto it = touches.begin(); it != touches.end();) {
        out.touches.push_back(it->second);
        it = it->second.bDown ? std::next(it) : touches.erase(it);
    }
    readJoysticks(out);
}

void SdlInputSource::warpMouse(float x, float y) {
    if (SDL_Window* window = SDL_GetMouseFocus()) SDL_WarpMouseInWindow(window, static_cast<int>(x), static_cast<int>(y));
    mouseX = x;
    mouseY = y;
}

}  // namespace platform
