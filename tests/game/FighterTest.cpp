#include "PlaySupport.h"
#include "game/Autopilot.h"

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
