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
    /// The stick across, the hat and the first button as given, for `frames` frames.
    void hold(GameHarness& harness, int frames, Sint16 stickX, Uint8 hat, bool bButton) {
        SDL_JoystickSetVirtualAxis(joystick, 0, stickX);
        SDL_JoystickSetVirtualHat(joystick, 0, hat);
        SDL_JoystickSetVirtualButton(joystick, 0, bButton);
        harness.step(frames);
    }
    SDL_Joystick* joystick;
};

} // namespace

TEST(TwoPlayers, TheKeyboardAndAPadPluggedInLaterJoinAndEachFliesAndFiresItsOwnFighter) {
    GameHarnessOptions options;
    options.createInput = [](platform::PlatformWindow& window) { return std::make_unique<platform::SdlInputSource>(&window); };
    GameHarness harness(options);
    VirtualPad pad;
    // Player 2 takes the one pad, which moves player 1 to the next device, and binds fire to its first button.
    GameConfiguration& configuration = harness.game().configuration;
    configuration.joystickIndex2 = 0;
    configuration.joystickIndex1 = 1;
    configuration.unbindControl(0x110);
    configuration.joystickBindings[0][1] = 0x110;

    GameController& game = *GameController::startNewGame();
    game.bInvulnerable = true;
    harness.step();
    for (const SDL_Scancode key : {SDL_SCANCODE_ESCAPE, SDL_SCANCODE_SPACE}) { // past the star map, then join
        for (const bool bDown : {true, false}) {
            SDL_Event event{};
            event.type = bDown ? SDL_KEYDOWN : SDL_KEYUP;
            event.key.keysym.scancode = key;
            SDL_PushEvent(&event);
            pad.hold(harness, 2, 0, SDL_HAT_CENTERED, bDown && key == SDL_SCANCODE_SPACE);
        }
    }
    EXPECT_EQ(game.players[1]->getState(), PlayerData::ENTERING) << "the pad's button joins player 2";
    ASSERT_TRUE(harness.runUntil([&] { return game.isTakingPart(0) && game.players[1]->getState() == PlayerData::PLAYING; }, 600));

    const int32_t firstX = game.players[0]->fighter->targetX;
    const int32_t secondX = game.players[1]->fighter->targetX;
    pad.hold(harness, 10, SDL_JOYSTICK_AXIS_MAX, SDL_HAT_CENTERED, false);
    EXPECT_GT(game.players[1]->fighter->targetX, secondX + 50) << "the stick steers player 2";
    EXPECT_EQ(game.players[0]->fighter->targetX, firstX) << "and leaves player 1 where it was";
    pad.hold(harness, 30, 0, SDL_HAT_LEFT, false); // the shots so far leave the screen
    EXPECT_LT(game.players[1]->fighter->targetX, secondX + 50) << "so does the hat";
    pad.hold(harness, 10, 0, SDL_HAT_CENTERED, true);
    int shots[2] = {};
    for (const VekBase* shot = game.playerShots->getChildren().getHead(); shot; shot = shot->getNext())
        ++shots[static_cast<const PlayerShot*>(shot)->playerIndex];
    EXPECT_GT(shots[1], 0) << "the pad's button fires player 2's weapon";
    EXPECT_EQ(shots[0], 0);
}

#endif
