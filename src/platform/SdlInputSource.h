#pragma once
#include <SDL_events.h>
#include <SDL_joystick.h>
#include <array>
#include <map>
#include <optional>
#include "platform/InputSnapshot.h"
#include "platform/PadIdentity.h"

namespace platform {

class PlatformWindow;

/// Input from SDL events and joysticks. The window's event pump hands every event to
/// `handleEvent`; `poll` reports once per frame. A key or button pressed and released
/// between two polls still reads as down for one frame, so no tap is lost; so does a pad's button
/// or hat. Main thread only.
class SdlInputSource : public InputSource {
public:
    /// Listens to the window's events while it lives; without a window, events come only
    /// through `handleEvent`.
    explicit SdlInputSource(PlatformWindow* window = nullptr);
    ~SdlInputSource() override;
    SdlInputSource(const SdlInputSource&) = delete;
    SdlInputSource& operator=(const SdlInputSource&) = delete;

    void handleEvent(const SDL_Event& event);
    void poll(InputSnapshot& out) override;
    void warpMouse(float x, float y) override;

private:
    /// One of the four pad slots: the pad in it, the pad that had it last (kept while that pad is
    /// away, so that it takes its slot back), and the presses since the last poll.
    struct PadSlot {
        SDL_Joystick* pJoystick = nullptr;
        std::optional<PadIdentity> owner;
        uint32_t tappedButtons = 0;  // bit b = button b went down
        Uint8 tappedHat = 0;         // SDL's hat directions that went down
    };

    /// Opens each present pad that has no slot, while a slot is free.
    void openJoysticks();
    /// The free slot whose last pad `identity` is most like, else the first free slot; -1 when
    /// every slot is taken.
    int chooseSlot(const PadIdentity& identity) const;
    void closeJoystick(SDL_JoystickID instance);
    PadSlot* findPad(SDL_JoystickID instance);
    void readJoysticks(InputSnapshot& out);
    void handleFinger(const SDL_TouchFingerEvent& finger, bool bDown);
    /// The pointer's place from the system, when it stands over `window`; no motion is reported.
    void findPointer(SDL_Window* window);
    /// Keeps the pointer's place on the screen when the window's top left corner moves there.
    void followWindow(int left, int top);
    /// The control character that typing an editing key (backspace, return) adds to the text, if any.
    static std::string editingCharacter(SDL_Keycode key);

    std::array<bool, 256> keysDown{};
    std::array<bool, 256> keysTapped{};
    std::array<bool, MAXMOUSEBUTTONS> mouseDown{};
    std::array<bool, MAXMOUSEBUTTONS> mouseTapped{};
    float mouseX = 0.f, mouseY = 0.f;
    int mouseClicks = 0;            // SDL's count for the first button's press that `poll` reports
    bool bClickedSincePoll = false; // later presses before the next poll merge into that one
    int windowLeft = 0, windowTop = 0; // where the window was when the pointer was last placed
    bool bMouseMoved = false;
    int wheel = 0;
    std::string typed;
    std::map<SDL_FingerID, TouchContact> touches;
    std::array<PadSlot, MAXJOYSTICKS> pads{};
    PlatformWindow* pWindow;
};

}  // namespace platform
