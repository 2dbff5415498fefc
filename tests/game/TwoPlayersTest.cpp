#include <SDL.h>
#include "PlaySupport.h"
#include "VirtualPads.h"
#include "game/player/PlayerShot.h"
#include "platform/SdlInputSource.h"

#ifdef VEK_ASSETS_DIR

namespace {

/// The pad's stick across, hat and first button as given, for `frames` frames.
void hold(GameHarness& harness, SDL_Joystick* pad, int frames, Sint16 stickX, Uint8 hat, bool bButton) {
    SDL_JoystickSetVirtualAxis(pad, 0, stickX);
    SDL_JoystickSetVirtualHat(pad, 0, hat);
    SDL_JoystickSetVirtualButton(pad, 0, bButton);
    harness.step(frames);
}

} // namespace

TEST(TwoPlayers, TheKeyboardAndAPadPluggedInLaterJoinAndEachFliesAndFiresItsOwnFighter) {
    GameHarnessOptions options;
    options.createInput = [](platform::PlatformWindow& window) { return std::make_unique<platform::SdlInputSource>(&window); };
    GameHarness harness(options);
    VirtualPads pads;
    SDL_Joystick* pad = pads.attach('A');
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
            hold(harness, pad, 2, 0, SDL_HAT_CENTERED, bDown && key == SDL_SCANCODE_SPACE);
        }
    }
    EXPECT_EQ(game.players[1]->getState(), PlayerData::ENTERING) << "the pad's button joins player 2";
    ASSERT_TRUE(harness.runUntil([&] { return game.isTakingPart(0) && game.players[1]->getState() == PlayerData::PLAYING; }, 600));

    const int32_t firstX = game.players[0]->fighter->targetX;
    const int32_t secondX = game.players[1]->fighter->targetX;
    hold(harness, pad, 10, SDL_JOYSTICK_AXIS_MAX, SDL_HAT_CENTERED, false);
    EXPECT_GT(game.players[1]->fighter->targetX, secondX + 50) << "the stick steers player 2";
    EXPECT_EQ(game.players[0]->fighter->targetX, firstX) << "and leaves player 1 where it was";
    hold(harness, pad, 30, 0, SDL_HAT_LEFT, false); // the shots so far leave the screen
    EXPECT_LT(game.players[1]->fighter->targetX, secondX + 50) << "so does the hat";
    hold(harness, pad, 10, 0, SDL_HAT_CENTERED, true);
    int shots[2] = {};
    for (const VekBase* shot = game.playerShots->getChildren().getHead(); shot; shot = shot->getNext())
        ++shots[static_cast<const PlayerShot*>(shot)->playerIndex];
    EXPECT_GT(shots[1], 0) << "the pad's button fires player 2's weapon";
    EXPECT_EQ(shots[0], 0);
}

#endif
