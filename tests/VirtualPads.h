#pragma once
#include <SDL.h>
#include <map>
#include <string>

/// Pads plugged in and out while the program runs: SDL's virtual joysticks with a stick, a hat and
/// eight buttons, each named "pad <letter>" and so a model of its own.
class VirtualPads {
public:
    VirtualPads() { SDL_InitSubSystem(SDL_INIT_JOYSTICK); }
    ~VirtualPads() {
        while (!pads.empty()) detach(pads.begin()->first);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    SDL_Joystick* attach(char letter) {
        const std::string name = std::string("pad ") + letter;
        SDL_VirtualJoystickDesc description{};
        description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        description.naxes = 2;
        description.nbuttons = 8;
        description.nhats = 1;
        description.name = name.c_str();
        return pads[letter] = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&description));
    }
    void detach(char letter) {
        for (int device = 0; device < SDL_NumJoysticks(); ++device)
            if (SDL_JoystickGetDeviceInstanceID(device) == SDL_JoystickInstanceID(pads[letter]))
                SDL_JoystickDetachVirtual(device);
        SDL_JoystickClose(pads[letter]);
        pads.erase(letter);
    }
    /// The first button and the hat's left pressed and released, both queued before the next frame.
    void tap(char letter) {
        for (const bool bDown : {true, false}) {
            SDL_JoystickSetVirtualButton(pads[letter], 0, bDown);
            SDL_JoystickSetVirtualHat(pads[letter], 0, bDown ? SDL_HAT_LEFT : SDL_HAT_CENTERED);
            SDL_PumpEvents();
        }
    }

private:
    std::map<char, SDL_Joystick*> pads;
};
