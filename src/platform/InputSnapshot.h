#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

/// What the input devices report for one frame, in the engine's own terms: keyboard keys by
/// their DirectInput scan code, positions in window pixels. Filled by an InputSource.
namespace platform {

constexpr int MAXJOYSTICKS = 4;
constexpr int MAXJOYSTICKBUTTONS = 32;
constexpr int MAXMOUSEBUTTONS = 4;

struct JoystickState {
    bool bConnected = false;
    std::string name;
    float stickX = 0.f;  // -1 left .. 1 right
    float stickY = 0.f;  // -1 up .. 1 down, as the device reports it
    int hatX = 0;        // -1, 0, 1
    int hatY = 0;        // -1 down, 0, 1 up
    uint32_t buttons = 0;  // bit b = button b down
};

struct TouchContact {
    int64_t id = 0;
    float x = 0.f, y = 0.f;
    bool bDown = true;  // false on the frame the finger lifts
};

struct InputSnapshot {
    std::array<bool, 256> keys{};  // by scan code; 0 is never set
    std::array<JoystickState, MAXJOYSTICKS> joysticks{};
    float mouseX = 0.f, mouseY = 0.f;
    bool bMouseMoved = false;
    std::array<bool, MAXMOUSEBUTTONS> mouseButtons{};
    // Presses of the first button in quick succession at one place, as the system counts them,
    // up to its latest press: 2 for the second click of a double click; 0 when not counted.
    int mouseClicks = 0;
    int wheel = 0;  // notches since the last poll, positive away from the user
    std::vector<TouchContact> touches;
    std::string typed;  // UTF-8 text typed since the last poll, in order
};

/// A source of input frames: SDL events on a desktop, a script in tests.
class InputSource {
public:
    virtual ~InputSource() = default;
    /// Fills `out` with the state now and what happened since the last call.
    virtual void poll(InputSnapshot& out) = 0;
    /// Moves the system mouse pointer (window pixels).
    virtual void warpMouse(float x, float y) = 0;
};

}  // namespace platform
