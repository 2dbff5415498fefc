#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <vector>
#include "core/KeyCodes.h"
#include "media/TouchPoint.h"
#include "media/Vector.h"
#include "platform/InputSnapshot.h"

constexpr uint8_t KEYDOWNBIT = 0x80;  // in the key tables: the code is down

enum InputMode { INPUTMODE_KEYBOARD = 0, INPUTMODE_MOUSE = 1, INPUTMODE_TOUCH = 2 };
enum ModifierState {
    MODIFIER_NONE = 0, MODIFIER_SHIFT, MODIFIER_CTRL, MODIFIER_ALT,
    MODIFIER_CTRLALT, MODIFIER_CTRLSHIFT, MODIFIER_ALTSHIFT
};

/// The engine's input state, rebuilt once per frame by `poll` from an input source.
/// Main thread only.
class VekInput {
public:
    explicit VekInput(std::unique_ptr<platform::InputSource> source);

    /// Reads the devices: previous key table <- current, then the new state.
    void poll();

    bool isKeyDown(int code) const;
    /// Down now and up in the previous frame.
    bool isKeyPressed(int code) const;
    /// A touch (or the mouse's first button) went down this frame.
    bool isAnyTouchPressed() const;
    /// The mouse's first button went down this frame.
    bool isMousePressed() const { return mouseButtons[0] && !mouseButtonsPrevious[0]; }
    /// Makes the first mouse button's press of this frame count for nothing: neither its
    /// contact nor its code reads as pressed, so its release clicks nothing either.
    void ignoreMousePress();
    /// Stick of joystick 0..3 as (x, -y, 0) in -1..1 with the dead zone applied.
    Vector3 getJoystickStick(int device) const;
    /// Hat of joystick 0..3 as (x, y, 0), y up.
    Vector3 getJoystickHat(int device) const;
    int countSteeringTouches() const;
    /// Where the player points, in window pixels: the finger that went down last of those on
    /// the screen, also in the frame it lifts, since a tap brings its place with its press, so
    /// that a tap beside a finger that rests (one that steers) points where it taps; else the
    /// mouse pointer.
    Vector3 getPointingPosition() const;
    /// The contact at the pointing position: that finger, else the mouse's first button or a
    /// simulated click; null without any.
    TouchPoint* getPointingTouch();

    /// Puts the mouse pointer at window pixels (x, y); the mouse movement of this frame is cleared.
    void setMousePosition(float x, float y);
    /// Switches the input mode and tells the engine when it changed.
    void setInputMode(int mode);
    /// A click at the mouse position that the next poll reports as a contact pressed and released.
    void addSimulatedContact();
    /// Forgets the text typed so far: this frame's `typedChar` and the units still queued.
    void dropTyped();

    int inputMode = INPUTMODE_KEYBOARD;
    std::array<uint8_t, KEY_CODE_COUNT> keys{};
    std::array<uint8_t, KEY_CODE_COUNT> keysPrevious{};
    int modifiers = MODIFIER_NONE;
    Vector3 pointer;  // window pixels
    Vector2 mouseMove;  // window pixels since the previous frame
    int mouseWheel = 0;
    std::array<bool, platform::MAXMOUSEBUTTONS> mouseButtons{};
    std::array<bool, platform::MAXMOUSEBUTTONS> mouseButtonsPrevious{};
    /// Presses of the first button in quick succession, up to its latest: 2 for the second
    /// click of a double click; 0 when the source does not count them.
    int mouseClicks = 0;
    /// The UTF-16 unit typed for this frame, 0 when none; a burst arrives one unit a frame.
    char16_t typedChar = 0;
    std::vector<TouchPoint> touchPoints;
    /// Display name of every control code; written by the language store.
    KeyNameTable keyNames;
    std::array<WideString, MAX_JOYSTICKS> joystickNames;
    float joystickDeadZone = 0.f;
    /// Called with the new mode after every input-mode change; the engine root installs it.
    std::function<void(int)> onInputModeChange;

private:
    void readKeys();
    void readJoystick(int device);
    void readMouse();
    void readTouches();
    void readTyped();
    void updateModifiers();
    void chooseInputMode();

    std::unique_ptr<platform::InputSource> pSource;
    platform::InputSnapshot snapshot;
    std::deque<char16_t> typedQueue;
    bool bSimulatedContact = false;
};
