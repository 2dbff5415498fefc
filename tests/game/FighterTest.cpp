#include "PlaySupport.h"
#include "game/Autopilot.h"
#include <cstring>

#ifdef VEK_ASSETS_DIR

TEST(Fighter, ARespawnClimbsFromBelowShieldedWhileKeysSteerWithinTheBounds) {
    PlayHarness harness;
    harness.addEnemy(600, 50); // the wave goes on
    ASSERT_TRUE(harness.runUntil([&] { return harness.player().getState() == PlayerData::PLAYING; }, 100));
    Fighter& fighter = *harness.player().fighter;
    std::vector<double> climb{fighter.y};
    for (int i = 0; i < 2; ++i) {
        harness.step();
        climb.push_back(fighter.y);
    }
    EXPECT_EQ(climb, (std::vector<double>{450.0, 425.0, 412.5})) << "from 500, half the gap to 400 each frame";
    struct Case {
        int key; // held for 60 frames
        int32_t wantX, wantY, wantBank;
    };
    for (const Case& c : {Case{0xCB, 20, 400, 0}, {0xCD, 620, 400, 8}, {0xC8, 214, 80, 4}}) {
        fighter.targetX = 214;
        harness.setScript([&](int frame, platform::InputSnapshot& input) { input.keys[c.key] = frame < 60; });
        harness.step(60);
        EXPECT_EQ(fighter.targetX, c.wantX) << c.key;
        EXPECT_EQ(fighter.targetY, c.wantY) << c.key;
        EXPECT_EQ(fighter.bankFrame, c.wantBank) << c.key;
        harness.step(10);
        EXPECT_EQ(fighter.bankFrame, Fighter::LEVEL_BANK) << "level again";
    }
}

TEST(Fighter, TheShieldKeepsEnemiesOffForFiftyFrames) {
    PlayHarness harness;
    ASSERT_TRUE(harness.runUntil([&] { return harness.player().getState() == PlayerData::PLAYING; }, 100));
    Fighter& fighter = *harness.player().fighter;
    harness.step(10);
    harness.addEnemy(fighter.x, fighter.y, 100000);
    harness.step(38);
    EXPECT_EQ(harness.player().lives, 5);
    harness.step(2);
    EXPECT_EQ(harness.player().lives, 4);
    EXPECT_EQ(harness.player().getState(), PlayerData::ENTERING);
}

TEST(PlayerControlled, AMouseButtonBoundToAControlWorksForItsPlayerBesideTheMouseOfPlayerOne) {
    constexpr int FIRE = 4, MISSILE = 5, NONE = -1;
    struct Case {
        const char* what;
        int player, action; // the binding changed; NONE keeps the defaults
        int32_t code;
        std::size_t button; // clicked once
        int32_t shots[2], missiles[2];
    };
    const Case cases[] = {
        {"player 1's fire on the middle button", 0, FIRE, 0x1C6, 2, {1, 0}, {0, 0}},
        {"player 2's fire on the left button, which also fires player 1's mouse", 1, FIRE, 0x1C4, 0, {1, 1}, {0, 0}},
        {"player 2's missile on the first extra button", 1, MISSILE, 0x1C7, 3, {0, 0}, {0, 1}},
        {"player 1's missile on the right button, the mouse's own: one launch", 0, MISSILE, 0x1C5, 1, {0, 0}, {1, 0}},
        {"the left button of player 1's mouse", 0, NONE, 0, 0, {1, 0}, {0, 0}},
        {"the right button of player 1's mouse", 0, NONE, 0, 1, {0, 0}, {1, 0}},
    };
    PlayHarness harness(2, 2);
    harness.addEnemy(600, 50, 100000000); // the wave goes on
    harness.untilPlaying(0);
    harness.untilPlaying(1);
    GameConfiguration& configuration = harness.game().configuration;
    int32_t defaults[GameConfiguration::KEYBOARD_ACTIONS][GameConfiguration::PLAYERS];
    std::memcpy(defaults, configuration.keyboardBindings, sizeof defaults);
    for (const Case& c : cases) {
        std::memcpy(configuration.keyboardBindings, defaults, sizeof defaults);
        if (c.action != NONE) {
            configuration.unbindControl(c.code);
            configuration.keyboardBindings[static_cast<std::size_t>(c.action)][static_cast<std::size_t>(c.player)] = c.code;
        }
        harness.step(10); // both weapons ready again
        int32_t shots[2], missiles[2];
        for (int p = 0; p < 2; ++p) {
            harness.player(p).missiles = 3;
            shots[p] = harness.player(p).shots;
            missiles[p] = harness.player(p).missiles;
        }
        harness.input().mouseButtons[c.button] = true;
        harness.step();
        harness.input().mouseButtons[c.button] = false;
        harness.step(2);
        for (int p = 0; p < 2; ++p) {
            EXPECT_EQ(harness.player(p).shots - shots[p], c.shots[p]) << c.what << ", player " << p + 1;
            EXPECT_EQ(missiles[p] - harness.player(p).missiles, c.missiles[p]) << c.what << ", player " << p + 1;
        }
    }
}

TEST(Autopilot, AimsUnderTheLowestEnemyAndStepsAsideFromTheNearestShot) {
    PlayHarness harness;
    harness.untilPlaying();
    const Fighter& fighter = *harness.player().fighter;
    EXPECT_EQ(Autopilot::aimOf(harness.controller, 0), fighter.x) << "nothing to chase";
    harness.addEnemy(100, 50);
    harness.addEnemy(500, 200);
    EXPECT_EQ(Autopilot::aimOf(harness.controller, 0), 500.0);
    harness.controller.enemyShots->add(new StillShot(fighter.x - 10, fighter.y + 20));
    EXPECT_EQ(Autopilot::aimOf(harness.controller, 0), 500.0) << "a shot that has passed";
    harness.controller.enemyShots->add(new StillShot(fighter.x - 10, fighter.y - 40));
    EXPECT_EQ(Autopilot::aimOf(harness.controller, 0), fighter.x + Autopilot::DODGE_STEP);
    harness.player().fighter->x = fighter.maxX - 10;
    harness.controller.enemyShots->add(new StillShot(fighter.x - 10, fighter.y - 30));
    EXPECT_EQ(Autopilot::aimOf(harness.controller, 0), fighter.x - Autopilot::DODGE_STEP) << "cornered: past it";
}

#endif
