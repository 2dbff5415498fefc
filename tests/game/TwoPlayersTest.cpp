#include <SDL.h>
#include "PlaySupport.h"
#include "game/player/PlayerShot.h"
#include "platform/SdlInputSource.h"

#ifdef VEK_ASSETS_DIR

namespace {

/// A pad plugged in while the program runs: SDL's virtual joystick with a stick, a hat and buttons.
struct VirtualPad {
    VirtualPad() {
        // An offscreen window never holds the keyboard focus, without which SDL drops presses.
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        SDL_InitSubSystem(SDL_INIT_JOYSTICK);
        SDL_VirtualJoystickDesc description{};
        description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        description.naxes = 2;
        description.nbuttons = 8;
        description.nhats = 1;
        joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&description));
    }
    ~VirtualPad() {
        SDL_JoystickClose(joystick);
        SDL_JoystickDetachVirtual(0);
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }
    SDL_Joystick* joystick;
};

/// A key of the keyboard as the window hears it, pressed or let go.
void pushKey(SDL_Scancode code, bool bDown) {
    SDL_Event event{};
    event.type = bDown ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.keysym.scancode = code;
    SDL_PushEvent(&event);
}

} // namespace

TEST(TwoPlayers, TheKeyboardAndAPadPluggedInLaterJoinAndEachFliesAndFiresItsOwnFighter) {
    GameHarnessOptions options;
    options.createInput = [](platform::PlatformWindow& window) {
        return std::make_unique<platform::SdlInputSource>(&window);
    };
    GameHarness harness(options);
    VirtualPad pad;
    // Player 2 takes the one pad, which moves player 1 to the next device, and binds fire to its first button.
    constexpr int PAD_BUTTON_0 = 0x110;
    GameConfiguration& configuration = harness.game().configuration;
    configuration.joystickIndex2 = 0;
    configuration.joystickIndex1 = 1;
    configuration.unbindControl(PAD_BUTTON_0);
    configuration.joystickBindings[0][1] = PAD_BUTTON_0;

    GameController& game = *GameController::startNewGame();
    game.bInvulnerable = true;
    for (const bool bDown : {true, false}) { // Escape: past the star map; then space and the pad's button
        pushKey(SDL_SCANCODE_ESCAPE, bDown);
        harness.step(2);
    }
    for (const bool bDown : {true, false}) {
        pushKey(SDL_SCANCODE_SPACE, bDown);
        SDL_JoystickSetVirtualButton(pad.joystick, 0, bDown);
        harness.step();
    }
    EXPECT_EQ(game.players[1]->getState(), PlayerData::ENTERING) << "the pad's button joins player 2";
    ASSERT_TRUE(harness.runUntil([&] { return game.isTakingPart(0) && game.players[1]->getState() == PlayerData::PLAYING; }, 600));

    Fighter& first = *game.players[0]->fighter;
    Fighter& second = *game.players[1]->fighter;
    const int32_t firstX = first.targetX;
    struct Case {
        int axis, hat, wantSign;
    };
    for (const Case& c : {Case{SDL_JOYSTICK_AXIS_MAX, SDL_HAT_CENTERED, 1}, {0, SDL_HAT_LEFT, -1}}) {
        second.targetX = 427;
        SDL_JoystickSetVirtualAxis(pad.joystick, 0, static_cast<Sint16>(c.axis));
        SDL_JoystickSetVirtualHat(pad.joystick, 0, static_cast<Uint8>(c.hat));
        harness.step(10);
        EXPECT_GT((second.targetX - 427) * c.wantSign, 50) << c.axis << " " << c.hat;
        EXPECT_EQ(first.targetX, firstX) << "player 1 stays where it was";
    }
    SDL_JoystickSetVirtualAxis(pad.joystick, 0, 0);
    SDL_JoystickSetVirtualHat(pad.joystick, 0, SDL_HAT_CENTERED);
    harness.step(30); // the shots so far have left the screen
    SDL_JoystickSetVirtualButton(pad.joystick, 0, SDL_PRESSED);
    harness.step(10);
    std::vector<int32_t> shooters;
    for (const VekBase* shot = game.playerShots->getChildren().getHead(); shot; shot = shot->getNext())
        shooters.push_back(static_cast<const PlayerShot*>(shot)->playerIndex);
    EXPECT_FALSE(shooters.empty()) << "the pad's button fires";
    EXPECT_EQ(std::count(shooters.begin(), shooters.end(), 0), 0) << "player 2's weapon alone";
}

#endif
