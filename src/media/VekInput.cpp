#include "media/VekInput.h"
#include <algorithm>
#include <cmath>
#include "core/StringUtil.h"

namespace {

constexpr int KEY_LSHIFT = 42, KEY_RSHIFT = 54, KEY_LCONTROL = 29, KEY_RCONTROL = 157;
constexpr int KEY_LMENU = 56, KEY_RMENU = 184;
// A stick deflection beyond this counts as a direction control.
constexpr float STICKDIRECTION = 0.5f;

float applyDeadZone(float value, float deadZone) {
    const float magnitude = std::fabs(value);
    if (magnitude <= deadZone || deadZone >= 1.f) return 0.f;
    return std::copysign((magnitude - deadZone) / (1.f - deadZone), value);
}

int modifierState(bool bShift, bool bCtrl, bool bAlt) {
    if (bCtrl && bAlt) return bShift ? MODIFIER_NONE : MODIFIER_CTRLALT;
    if (bCtrl && bShift) return MODIFIER_CTRLSHIFT;
    if (bAlt && bShift) return MODIFIER_ALTSHIFT;
    if (bShift) return MODIFIER_SHIFT;
    if (bCtrl) return MODIFIER_CTRL;
    if (bAlt) return MODIFIER_ALT;
    return MODIFIER_NONE;
}

bool validDevice(int device) { return device >= 0 && device < platform::MAXJOYSTICKS; }

// The point where the contact now is, down or lifted.
TouchPoint followContact(TouchPoint point, const platform::TouchContact& contact) {
    point.x = contact.x;
    point.y = contact.y;
    point.bDown = contact.bDown;
    point.bReleased = !contact.bDown;
    return point;
}

bool isFinger(const TouchPoint& point) {
    return point.id != TouchPoint::MOUSEID && point.id != TouchPoint::SIMULATEDID;
}

// The newest finger, else the first contact (the mouse's or a simulated one); null without any.
template <class Points> auto pointingTouch(Points& points) -> decltype(&points.front()) {
    const auto finger = std::find_if(points.rbegin(), points.rend(), isFinger);
    if (finger != points.rend()) return &*finger;
    return points.empty() ? nullptr : &points.front();
}

static_assert(platform::MAXMOUSEBUTTONS == MOUSE_BUTTON_CODES, "every mouse button has its key code");

}  // namespace

VekInput::VekInput(std::unique_ptr<platform::InputSource> source) : pSource(std::move(source)) {}

void VekInput::poll() {
    keysPrevious = keys;
    mouseButtonsPrevious = mouseButtons;
    pSource->poll(snapshot);
    readKeys();
    for (int device = 0; device < platform::MAXJOYSTICKS; ++device) readJoystick(device);
    readMouse();
    readTouches();
    readTyped();
    updateModifiers();
    chooseInputMode();
}

void VekInput::readKeys() {
    keys.fill(0);
    for (int code = 1; code < KEYBOARD_CODE_COUNT; ++code)
        if (snapshot.keys[code]) keys[code] = KEYDOWNBIT;
}

void VekInput::readJoystick(int device) {
    const platform::JoystickState& state = snapshot.joysticks[device];
    joystickNames[device] = fromUtf8(state.name);
    if (!state.bConnected) return;
    const int base = FIRST_JOYSTICK_CODE + CODES_PER_JOYSTICK * device;
    const Vector3 stick = getJoystickStick(device);
    const bool directions[4] = {state.hatY > 0 || stick.y > STICKDIRECTION, state.hatY < 0 || stick.y < -STICKDIRECTION,
                                state.hatX < 0 || stick.x < -STICKDIRECTION, state.hatX > 0 || stick.x > STICKDIRECTION};
    for (int d = 0; d < 4; ++d)
        if (directions[d]) keys[base + d] = KEYDOWNBIT;
    for (int b = 0; b < platform::MAXJOYSTICKBUTTONS; ++b)
        if (state.buttons & (1u << b)) keys[base + JOYSTICK_BUTTON_OFFSET + b] = KEYDOWNBIT;
}

void VekInput::readMouse() {
    mouseMove = {snapshot.mouseX - pointer.x, snapshot.mouseY - pointer.y};
    if (!snapshot.bMouseMoved) mouseMove = {};
    pointer = {snapshot.mouseX, snapshot.mouseY, 0.f};
    mouseWheel = snapshot.wheel;
    mouseButtons = snapshot.mouseButtons;
    mouseClicks = snapshot.mouseClicks;
    // The buttons are controls like keys: bindings and the capture popup read them by code.
    for (int b = 0; b < MOUSE_BUTTON_CODES; ++b)
        if (mouseButtons[static_cast<std::size_t>(b)]) keys[FIRST_MOUSE_BUTTON_CODE + b] = KEYDOWNBIT;
}

void VekInput::readTouches() {
    // Contacts lifted last frame have been seen released once: drop them.
    std::erase_if(touchPoints, [](const TouchPoint& point) { return point.bReleased; });
    std::vector<platform::TouchContact> contacts = snapshot.touches;
    if (mouseButtons[0] || mouseButtonsPrevious[0])
        contacts.push_back({TouchPoint::MOUSEID, pointer.x, pointer.y, mouseButtons[0]});
    if (bSimulatedContact) {
        const bool bPressing = std::none_of(touchPoints.begin(), touchPoints.end(),
                                            [](const TouchPoint& p) { return p.id == TouchPoint::SIMULATEDID; });
        contacts.push_back({TouchPoint::SIMULATEDID, pointer.x, pointer.y, bPressing});
        bSimulatedContact = bPressing;
    }

    // Contacts keep the order they went down in, the newest last.
    std::vector<TouchPoint> updated;
    for (const TouchPoint& known : touchPoints) {
        const auto contact = std::find_if(contacts.begin(), contacts.end(),
                                          [&](const platform::TouchContact& c) { return c.id == known.id; });
        if (contact == contacts.end()) continue;
        TouchPoint point = known;
        point.moveX = contact->x - known.x;
        point.moveY = contact->y - known.y;
        point.bPressed = false;
        updated.push_back(followContact(point, *contact));
    }
    for (const platform::TouchContact& contact : contacts) {
        if (std::any_of(touchPoints.begin(), touchPoints.end(),
                        [&](const TouchPoint& p) { return p.id == contact.id; }))
            continue;
        TouchPoint point;
        point.id = contact.id;
        point.bPressed = true;
        updated.push_back(followContact(point, contact));
    }
    touchPoints = std::move(updated);
}

void VekInput::readTyped() {
    for (char16_t unit : fromUtf8(snapshot.typed)) typedQueue.push_back(unit);
    // One unit a frame: a character outside the BMP arrives as its two halves on two frames.
    typedChar = 0;
    if (!typedQueue.empty()) {
        typedChar = typedQueue.front();
        typedQueue.pop_front();
    }
}

void VekInput::dropTyped() {
    typedQueue.clear();
    typedChar = 0;
}

void VekInput::updateModifiers() {
    const bool bShift = keys[KEY_LSHIFT] || keys[KEY_RSHIFT];
    const bool bCtrl = keys[KEY_LCONTROL] || keys[KEY_RCONTROL];
    const bool bAlt = keys[KEY_LMENU] || keys[KEY_RMENU];
    modifiers = modifierState(bShift, bCtrl, bAlt);
}

void VekInput::chooseInputMode() {
    const bool bFingerDown = std::any_of(snapshot.touches.begin(), snapshot.touches.end(),
                                         [](const platform::TouchContact& c) { return c.bDown; });
    const bool bMouseUsed = snapshot.bMouseMoved || (mouseButtons[0] && !mouseButtonsPrevious[0]) ||
                            (mouseButtons[1] && !mouseButtonsPrevious[1]);
    if (bFingerDown) setInputMode(INPUTMODE_TOUCH);
    else if (bMouseUsed) setInputMode(INPUTMODE_MOUSE);
}

bool VekInput::isKeyDown(int code) const {
    return code >= 0 && code < KEY_CODE_COUNT && (keys[code] & KEYDOWNBIT);
}

bool VekInput::isKeyPressed(int code) const {
    return isKeyDown(code) && !(keysPrevious[code] & KEYDOWNBIT);
}

bool VekInput::isAnyTouchPressed() const {
    return std::any_of(touchPoints.begin(), touchPoints.end(), [](const TouchPoint& p) { return p.bPressed; });
}

Vector3 VekInput::getJoystickStick(int device) const {
    if (!validDevice(device)) return {};
    const platform::JoystickState& state = snapshot.joysticks[device];
    return {applyDeadZone(state.stickX, joystickDeadZone), -applyDeadZone(state.stickY, joystickDeadZone), 0.f};
}

Vector3 VekInput::getJoystickHat(int device) const {
    if (!validDevice(device)) return {};
    const platform::JoystickState& state = snapshot.joysticks[device];
    return {static_cast<float>(state.hatX), static_cast<float>(state.hatY), 0.f};
}

int VekInput::countSteeringTouches() const {
    return static_cast<int>(std::count_if(touchPoints.begin(), touchPoints.end(),
                                          [](const TouchPoint& p) { return p.usage == 3; }));
}

Vector3 VekInput::getPointingPosition() const {
    const TouchPoint* touch = pointingTouch(touchPoints);
    return touch && isFinger(*touch) ? Vector3{touch->x, touch->y, 0.f} : pointer;
}

TouchPoint* VekInput::getPointingTouch() {
    return pointingTouch(touchPoints);
}

void VekInput::setMousePosition(float x, float y) {
    pSource->warpMouse(x, y);
    pointer = {x, y, 0.f};
    mouseMove = {};
}

void VekInput::setInputMode(int mode) {
    if (mode == inputMode) return;
    inputMode = mode;
    if (onInputModeChange) onInputModeChange(mode);
}

void VekInput::addSimulatedContact() { bSimulatedContact = true; }

void VekInput::ignoreMousePress() {
    // Read as held since before: buttons take a contact only as it goes down, and answer only
    // the release of a contact they took.
    mouseButtonsPrevious[0] = true;
    keysPrevious[FIRST_MOUSE_BUTTON_CODE] |= KEYDOWNBIT;
    for (TouchPoint& point : touchPoints)
        if (point.id == TouchPoint::MOUSEID) point.bPressed = false;
}
