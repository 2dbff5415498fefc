#include <map>
#include "PlaySupport.h"
#include "game/bosses/MotherPod.h"

#ifdef VEK_ASSETS_DIR

namespace {

int mothershipsIn(const ObjectGroup& list) {
    int count = 0;
    for (const VekBase* member = list.getChildren().getHead(); member; member = member->getNext())
        count += !member->isDead() && member->getClass().name == u"MotherPod";
    return count;
}

/// A mothership in the harness's game, set to star system `system`.
MotherPod& addMothership(PlayHarness& harness, int32_t system) {
    harness.controller.system = system;
    auto* pod = new MotherPod();
    harness.controller.enemies->add(pod);
    return *pod;
}

} // namespace

TEST(MotherPod, TakesItsFullDamageCrackingOncePerHitWithItsRingsAndPaysTheSurvivors) {
    for (const bool bFighterLost : {false, true}) {
        PlayHarness harness(102);
        harness.controller.bNoBonus = bFighterLost;
        harness.controller.waveStartTime = GameController::EARLY_BIRD_TAKEN;
        MotherPod& pod = addMothership(harness, 10);
        std::map<int32_t, std::size_t> released; // zelbins let out by crack stage
        int hits = 0;
        while (!pod.isDead() && hits < 200) {
            const std::size_t before = harness.controller.enemies->getChildren().count();
            const int32_t stage = pod.crackStage;
            pod.takeDamage(1000, 0);
            ++hits;
            if (pod.crackStage != stage) released[pod.crackStage] = harness.controller.enemies->getChildren().count() - before;
        }
        EXPECT_EQ(hits, 145) << "10000 and the refills of six cracks";
        EXPECT_EQ(released, (std::map<int32_t, std::size_t>{{1, 5}, {2, 0}, {3, 14}, {4, 0}, {5, 21}, {6, 0}}));
        EXPECT_EQ(harness.controller.items->getChildren().count(), 6u) << "an atom per crack";
        const int32_t survivorsBonus = bFighterLost ? 0 : 5 * 25000;
        EXPECT_EQ(harness.player().score, 145 * 100 + 250000 + survivorsBonus) << bFighterLost;
    }
    PlayHarness harness(102);
    MotherPod& pod = addMothership(harness, 10);
    pod.takeDamage(12000, 0);
    EXPECT_EQ(pod.crackStage, 1) << "one crack for a hit of more than the next refill";
    EXPECT_EQ(pod.hitPoints, 10000 + 10000 - 12000);
}

TEST(MotherPod, LeavesUntouchableAfterItsSecondCrackInSystem3AndItsFourthInSystem6) {
    struct Case {
        int32_t system;
        int32_t lastCrack;
    };
    for (const Case& c : {Case{3, 2}, Case{6, 4}}) {
        PlayHarness harness(102);
        harness.controller.bInvulnerable = true;
        MotherPod& pod = addMothership(harness, c.system);
        while (pod.getState() != MotherPod::LEAVING && !pod.isDead())
            pod.takeDamage(1000, 0);
        EXPECT_EQ(pod.crackStage, c.lastCrack) << c.system;
        const int32_t hitPoints = pod.hitPoints;
        const int32_t score = harness.player().score;
        pod.takeDamage(100000, 0);
        EXPECT_EQ(pod.hitPoints, hitPoints) << c.system;
        EXPECT_EQ(pod.crackStage, c.lastCrack) << c.system;
        EXPECT_EQ(harness.player().score, score + 100) << "the hit still pays";
        EXPECT_TRUE(harness.runUntil([&] { return mothershipsIn(*harness.controller.enemies) == 0; }, 800));
        EXPECT_LT(harness.player().score, score + 250000) << "gone without paying for itself";
    }
}

#endif
