#include "platform/PadIdentity.h"
#include <cstring>

namespace platform {
namespace {

std::string orEmpty(const char* text) { return text ? text : ""; }

bool sameKnown(const std::string& mine, const std::string& other) { return !mine.empty() && mine == other; }

}  // namespace

PadIdentity PadIdentity::of(SDL_Joystick* joystick) {
    PadIdentity identity;
    identity.guid = SDL_JoystickGetGUID(joystick);
    identity.serial = orEmpty(SDL_JoystickGetSerial(joystick));
    identity.path = orEmpty(SDL_JoystickPath(joystick));
    return identity;
}

int PadIdentity::likeness(const PadIdentity& other) const {
    if (std::memcmp(guid.data, other.guid.data, sizeof guid.data) != 0) return 0;
    if (!serial.empty() && !other.serial.empty() && serial != other.serial) return 0;
    return 1 + (sameKnown(serial, other.serial) ? 2 : 0) + (sameKnown(path, other.path) ? 1 : 0);
}

}  // namespace platform
