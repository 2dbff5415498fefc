#pragma once
#include <SDL_joystick.h>
#include <string>

namespace platform {

/// What tells one pad from another across a replug: its model (SDL's GUID, the same for two pads
/// of one make), its serial number where the driver reports one, and its device path where the
/// system gives one. Two pads of one model without serials are told apart by their paths alone,
/// which a replug may hand to the other pad; such pads are interchangeable, so the one that comes
/// back first takes the first place its model had.
class PadIdentity {
public:
    /// The identity of an open pad.
    static PadIdentity of(SDL_Joystick* joystick);

    /// 0 for another pad (another model or serial number); else higher the more of its
    /// identity agrees with `other`'s: the serial number counts before the path.
    int likeness(const PadIdentity& other) const;

private:
    SDL_JoystickGUID guid{};
    std::string serial;
    std::string path;
};

}  // namespace platform
