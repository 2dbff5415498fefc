#include <array>
#include <numbers>
#include <set>
#include "PlaySupport.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/enemies/Asteroid.h"
#include "game/enemies/Atom.h"
#include "game/enemies/Flapping.h"
#include "game/enemies/Formations.h"
#include "game/enemies/ZelbinColours.h"
#include "game/hud/CaptionText.h"
#include "game/hud/FloatingMessage.h"

#ifdef VEK_ASSETS_DIR

namespace {

/// Members of `list` of the class named `name`.
int countOf(const ObjectGroup& list, std::u16string_view name) {
    int count = 0;
    for (const VekBase* member = list.getChildren().getHead(); member; member = member->getNext())
        count += !member->isDead() && member->getClass().name == name;
    return count;
}

/// The game set to `wave` and its formation spawned.
void spawnWave(PlayHarness& harness, int wave) {
    harness.controller.wave = wave;
    harness.controller.stage = (wave - 1) % STAGES_PER_SYSTEM;
    harness.controller.system = (wave - 1) / STAGES_PER_SYSTEM;
    spawnFormation(harness.controller);
}

/// Messages with `title` queued in player `index`'s hud.
int messagesTitled(const PlayHarness& harness, int index, StringId title) {
    const std::u16string_view text = Vek::get()->getLanguage().getString(title);
    int count = 0;
    for (const VekBase* m = harness.controller.huds[static_cast<std::size_t>(index)]->messages->getChildren().getHead();
         m; m = m->getNext())
        count += static_cast<const FloatingMessage*>(m)->title == text;
    return count;
}

} // namespace

TEST(Formations, EachSystemSpawnsItsStagesKindAndCount) {
    struct Case {
        int wave;
        std::u16string_view kind;
        int count;
    };
    const Case cases[] = {
        {1, u"Zelbin", 1},          {13, u"ZelbinAlt", 40},       {24, u"Asteroid", 24},
        {25, u"BigPod", 16},        {26, u"SpinningZelbin", 10},  {35, u"SpinningZelbin", 16},
        {45, u"SpinningZelbin", 12}, {52, u"Asteroid", 40},       {66, u"SpinningZelbin", 21},
        {76, u"ZelbinVariant", 15}, {88, u"Asteroid", 1},         {99, u"FlyingSaucer", 1},
        {101, u"Zelbin", 11},       {105, u"UmbrellaZelbin", 21}, {107, u"UmbrellaZelbin", 24},
        {10, u"ZelbinSarge", 1},    {20, u"ZelbinBoss", 1},       {40, u"MotherPod", 1},
        {90, u"ZelbinSarge", 4},    {100, u"ZelbinBoss", 3},      {110, u"MotherPod", 1},
    };
    PlayHarness harness;
    ObjectGroup& enemies = *harness.controller.enemies;
    for (const Case& c : cases) {
        spawnWave(harness, c.wave);
        EXPECT_EQ(countOf(enemies, c.kind), c.count) << c.wave;
        EXPECT_EQ(enemies.getChildren().count(), static_cast<std::size_t>(c.count)) << c.wave;
        enemies.getChildren().deleteAll();
    }
    harness.controller.bMissileUsedThisSystem = true;
    spawnWave(harness, 9);
    EXPECT_TRUE(enemies.getChildren().isEmpty());
    const std::u16string_view said = harness.controller.captions[2]->text;
    EXPECT_TRUE(said == u"Sorry, no bonus!" || said == u"Hmm, nothing here" || said == u"Close, but no cigar") << "line 3";
}

TEST(Enemies, LootDropsOnTheScreenOnlyAndAtomsGiftsAndRoastsOnceAWave) {
    struct Case {
        int loot; // the kind that always drops
        int32_t count;
        double y; // where the two enemies die
        std::u16string_view item;
        int want;
    };
    const Case cases[] = {
        {Enemy::LOOT_ATOM, 1, 100, u"Atom", 1}, // the second is blocked
        {Enemy::LOOT_ROAST, 1, 100, u"RoastZelbin", 1},
        {Enemy::LOOT_COIN, 12, 100, u"Coin", 24},
        {Enemy::LOOT_LEG, 1, 100, u"ZelbinLeg", 2},
        {Enemy::LOOT_ATOM, 1, -200, u"Atom", 0}, // off the screen
    };
    for (const Case& c : cases) {
        PlayHarness harness;
        harness.controller.waveStartTime = GameController::EARLY_BIRD_TAKEN;
        for (int i = 0; i < 2; ++i) {
            StillEnemy* enemy = harness.addEnemy(320, c.y);
            enemy->lootChance[static_cast<std::size_t>(c.loot)] = 1;
            enemy->lootCount[static_cast<std::size_t>(c.loot)] = c.count;
            enemy->takeDamage(100, 0);
        }
        EXPECT_EQ(countOf(*harness.controller.items, c.item), c.want) << c.loot << " at " << c.y;
        EXPECT_EQ(harness.player().score, 2000) << "both pay, on or off the screen";
    }
}

TEST(Enemies, KillsPayThreeTimesOnTheHardDifficulty) {
    for (const int32_t difficulty : {0, 1}) {
        PlayHarness harness;
        harness.controller.difficulty = difficulty;
        harness.controller.waveStartTime = GameController::EARLY_BIRD_TAKEN;
        harness.addEnemy(320, 100)->takeDamage(500, 0);
        EXPECT_EQ(harness.player().score, difficulty ? 3000 : 1000);
    }
}

TEST(Enemies, AsteroidsSplitIntoThreesUntilTheStepWouldLeaveNothing) {
    PlayHarness harness;
    const auto sizes = [&] {
        std::multiset<int32_t> seen;
        for (VekBase* m = harness.controller.enemies->getChildren().getHead(); m; m = m->getNext())
            if (!m->isDead()) seen.insert(static_cast<Asteroid*>(m)->size);
        return seen;
    };
    const auto shootAll = [&] {
        std::vector<Asteroid*> now;
        for (VekBase* m = harness.controller.enemies->getChildren().getHead(); m; m = m->getNext())
            if (!m->isDead()) now.push_back(static_cast<Asteroid*>(m));
        for (Asteroid* asteroid : now)
            asteroid->takeDamage(100000, 0);
    };
    for (const int32_t size : {4, 12}) {
        auto* asteroid = new Asteroid(0, size, 320, 200, std::numbers::pi / 2, 1.0, 0.0);
        asteroid->pieces = 3;
        harness.controller.enemies->add(asteroid);
    }
    shootAll();
    EXPECT_EQ(sizes(), (std::multiset<int32_t>{8, 8, 8})) << "4 leaves nothing, 12 three of 8";
    shootAll();
    EXPECT_EQ(sizes(), (std::multiset<int32_t>{4, 4, 4, 4, 4, 4, 4, 4, 4}));
    shootAll();
    EXPECT_TRUE(sizes().empty());
}

TEST(Enemies, TheWaveEndPaysEfficiencyAndTheDestroyer) {
    struct Case {
        int32_t kills0, shots0, kills1, shots1;
        bool bMissile;
        int32_t want0, want1;
    };
    const Case cases[] = {
        {10, 10, 0, 0, false, 15000, 0},      // the destroyer needs a partner's kill
        {10, 11, 3, 3, false, 10000, 15000},  // one shot too many
        {5, 5, 5, 5, false, 15000, 15000},    // equal kills: no destroyer
        {10, 10, 2, 2, true, 10000, 0},       // a missile spoils the efficiency
    };
    for (const Case& c : cases) {
        PlayHarness harness(2, 2);
        harness.player(0).kills = c.kills0;
        harness.player(0).shots = c.shots0;
        harness.player(1).kills = c.kills1;
        harness.player(1).shots = c.shots1;
        harness.controller.bMissileUsedThisWave = c.bMissile;
        harness.controller.awardWaveBonuses();
        EXPECT_EQ(harness.player(0).score, c.want0) << c.kills0 << "/" << c.shots0;
        EXPECT_EQ(harness.player(1).score, c.want1) << c.kills1 << "/" << c.shots1;
    }
}

TEST(Pickups, TheTeamPlayBonusPaysOncePerPairAndOnlyAfterTheFightersWereApart) {
    using Order = std::array<int, 3>;
    // Whichever player picks the third item, it makes no second pair with the partner's.
    for (const auto& [apart, order] : {std::pair{100.0, Order{0, 1, 0}}, {100.0, Order{1, 0, 0}},
                                       {50.0, Order{0, 1, 0}}}) {
        PlayHarness harness(2, 2);
        harness.step(30); // the game's clock well past the players' first pick-up times
        harness.controller.teamDistance = apart;
        for (const int player : order) {
            auto* atom = new Atom(false, 320, 240);
            harness.controller.items->add(atom);
            atom->collect(*harness.player(player).fighter);
        }
        for (const int player : {0, 1})
            EXPECT_EQ(messagesTitled(harness, player, STR_BONUSTEAMPLAY), apart > Pickup::TEAM_DISTANCE ? 1 : 0)
                << "the third pick-up, by player " << order[2] << ", makes no second pair";
    }
}

TEST(Pickups, CharityAtomsMakeUpTheEasyPlayersPowerAndPassAStrongerOne) {
    for (const int32_t power : {1, 3}) {
        PlayHarness harness(82, 2);
        harness.controller.difficulty = 0;
        harness.player(0).weapon().power = power;
        harness.player(1).weapon().power = 5;
        ASSERT_TRUE(harness.runUntil([&] { return harness.controller.getState() == GameController::WAVE_INTRO; }, 60));
        EXPECT_EQ(countOf(*harness.controller.items, u"Atom"), power == 1 ? 2 : 0) << power;
        EXPECT_EQ(messagesTitled(harness, 0, STR_BONUSCHARITY), power == 1 ? 1 : 0) << power;
        EXPECT_EQ(messagesTitled(harness, 1, STR_BONUSCHARITY), 0);
        auto* atom = new Atom(true, 320, 240);
        harness.controller.items->add(atom);
        atom->collect(*harness.player(1).fighter);
        EXPECT_FALSE(atom->isDead()) << "a limited atom passes the player at half the system's number";
    }
}

TEST(Enemies, FlappingTurnsAtTheEndsAndHoldsAOneFrameChainAndColoursWrapToThePaintedFive) {
    GameHarness harness;
    for (const int32_t frames : {1, 8}) {
        Flapping flapping = Flapping::random(frames);
        for (int i = 0; i < 20; ++i) {
            const int32_t frame = flapping.step();
            EXPECT_TRUE(frame >= 0 && frame < frames) << frames;
        }
    }
    for (const auto& [colour, painted] : {std::pair{5, 0}, {7, 2}, {4, 4}})
        EXPECT_EQ(zelbinChain(colour), zelbinChain(painted)) << colour;
}

#endif
