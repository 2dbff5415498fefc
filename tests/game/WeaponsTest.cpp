#include "PlaySupport.h"
#include "game/player/LaserBeam.h"
#include "game/player/Missile.h"
#include "game/scene/SkyLayer.h"

#ifdef VEK_ASSETS_DIR

TEST(Weapons, EachPowerFiresItsPatternAndTheHardDifficultyHalvesTheDamage) {
    struct Case {
        int weapon;
        int32_t power;
        std::size_t shots;
        int32_t firstDamage[2]; // by difficulty
    };
    const Case cases[] = {
        {0, 0, 1, {100, 50}},  {1, 0, 1, {125, 62}},   {2, 0, 1, {80, 40}},    {0, 9, 5, {200, 100}},
        {0, 19, 5, {200, 100}}, {0, 20, 7, {300, 150}}, {0, 57, 7, {300, 150}}, {1, 4, 2, {312, 156}},
        {1, 8, 5, {62, 31}},   {1, 20, 5, {500, 250}}, {2, 6, 3, {120, 60}},   {2, 20, 3, {640, 320}},
    };
    PlayHarness harness;
    ObjectGroup& shots = *harness.controller.playerShots;
    for (const Case& c : cases) {
        for (int difficulty : {0, 1}) {
            shots.getChildren().deleteAll();
            harness.controller.difficulty = difficulty;
            Weapon& weapon = *harness.player().weapons[static_cast<std::size_t>(c.weapon)];
            weapon.power = c.power;
            weapon.fire();
            EXPECT_EQ(shots.getChildren().count(), c.shots) << c.weapon << " at " << c.power;
            const auto* first = static_cast<PlayerShot*>(shots.getChildren().getHead());
            EXPECT_EQ(first->damage, c.firstDamage[difficulty]) << c.weapon << " at " << c.power;
            EXPECT_FALSE(weapon.canFire());
        }
    }
}

TEST(Weapons, AHeldButtonFiresAtHalfTheRateOfTapping) {
    for (const auto& [bTapping, wantShots] : {std::pair{false, 10}, {true, 20}}) {
        PlayHarness harness;
        harness.addEnemy(600, 50);
        harness.untilPlaying();
        harness.setScript([bTapping](int frame, platform::InputSnapshot& input) {
            input.keys[0x39] = !bTapping || frame % 2 == 0;
        });
        harness.step(80);
        EXPECT_EQ(harness.player().shots, wantShots) << bTapping;
    }
}

TEST(Weapons, ACrystalHitsOnlyTheFirstOfTwoOverlappingEnemies) {
    PlayHarness harness;
    StillEnemy* first = harness.addEnemy(400, 200, 1000);
    StillEnemy* second = harness.addEnemy(400, 200, 1000);
    harness.controller.playerShots->add(new PlayerShot(0, 100, 400, 300, -1.5707963267948966));
    harness.step(15);
    EXPECT_EQ(first->hitPoints, 900);
    EXPECT_EQ(second->hitPoints, 1000);
}

TEST(Weapons, TheLaserStrikesTheNearestEnemyAboveIt) {
    PlayHarness harness;
    harness.addEnemy(500, 100);
    StillEnemy* nearest = harness.addEnemy(500, 200);
    harness.addEnemy(500, 420);
    harness.addEnemy(600, 250);
    auto* beam = new LaserBeam(0, 100, 500, 380);
    harness.controller.playerShots->add(beam);
    EXPECT_EQ(beam->findTarget(), nearest);
    harness.step();
    EXPECT_EQ(nearest->hitPoints, 20);
    EXPECT_EQ(harness.controller.playerShots->getChildren().count(), 0u) << "a beam lives one frame";
}

TEST(Weapons, TheMissileBurstsAtItsPointEvenWhenItWouldOvershootIt) {
    struct Launch {
        double x, y, speed;
    };
    for (const Launch launch : {Launch{320, 400, 0}, {20, 470, 0}, {320, 400, 30}}) {
        PlayHarness harness;
        harness.addEnemy(100, 60, 2500);
        StillEnemy* tough = harness.addEnemy(540, 60, 2501);
        harness.controller.enemyShots->add(new StillShot(600, 100));
        auto* missile = new Missile(0, launch.x, launch.y);
        missile->speed = launch.speed; // fast enough to step over the point
        harness.controller.playerShots->add(missile);
        EXPECT_TRUE(harness.runUntil([&] { return harness.controller.playerShots->getChildren().isEmpty(); }, 100));
        harness.step(); // the lists let go of what the burst ended
        EXPECT_EQ(harness.controller.enemies->getChildren().getHead(), tough) << launch.speed;
        EXPECT_EQ(tough->hitPoints, 1);
        EXPECT_TRUE(harness.controller.enemyShots->getChildren().isEmpty());
        EXPECT_NE(harness.controller.sky->verticalShake, 0);
    }
}

#endif
