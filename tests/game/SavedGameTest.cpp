#include <algorithm>
#include <limits>
#include "PlaySupport.h"
#include "UserDataTestSupport.h"
#include "game/KeptResults.h"
#include "game/ProfileManager.h"
#include "game/SavegameData.h"

#ifdef VEK_ASSETS_DIR

namespace {

using State = GameController::State;
constexpr int32_t TOP = std::numeric_limits<int32_t>::max();

/// After wave 34: player 0 with every counter apart from a fresh one's, player 1 saved while
/// out of lives.
SavegameData sampleRecord() {
    SavegameData record = GameController::savedBefore(35, 2);
    record.missileUsedThisSystem = record.missileUsedEver = true;
    record.reserveCounter = 3;
    record.difficulty = 1;
    record.players[0] = {true, {}, 2, 1234500, 7, 3, 2000000, 3000000, 42, 2, 7};
    record.players[1] = {true, {}, 0, 99, 0, 0, 1000000, 1000000, 0, 1, 0};
    return record;
}

SavegameData& slot(GameHarness& harness, int index) {
    ProfileManager& profiles = harness.game().profiles;
    return profiles.records[profiles.currentProfile].savegames[index];
}

int32_t waveOf(const SavegameData& record) {
    return record.bValidData ? record.wave : 0;
}

/// Slot `index` of the first profile as the profile file holds it.
SavegameData slotOnDisk(int index) {
    const std::vector<uint8_t> block =
        readSignedUserFile(ProfileManager::getFileName(), sizeof(ProfileBlock));
    SavegameData record;
    const std::size_t at =
        offsetof(ProfileBlock, records) + offsetof(ProfileData, savegames) + index * sizeof record;
    if (block.size() >= at + sizeof record)
        std::memcpy(static_cast<void*>(&record), block.data() + at, sizeof record);
    return record;
}

/// The rows of `table` above a fresh table's best.
std::vector<HIGHSCOREENTRY> rowsAboveFresh(const GameConfiguration& table) {
    std::vector<HIGHSCOREENTRY> rows;
    std::copy_if(std::begin(table.highScores), std::end(table.highScores), std::back_inserter(rows),
                 [](const HIGHSCOREENTRY& row) { return row.score > 100000; });
    return rows;
}

/// How many results the results file keeps.
int32_t keptRowsOnDisk() {
    const std::vector<uint8_t> block = readSignedUserFile(KeptResults::getFileName(), sizeof(KeptResultsBlock));
    int32_t count = 0;
    if (block.size() >= sizeof count) std::memcpy(&count, block.data(), sizeof count);
    return count;
}

/// The rows above a fresh table's best in the high-score table of a start from the files as
/// they are now.
std::vector<HIGHSCOREENTRY> rowsAtTheNextStart() {
    GameConfiguration table;
    ProfileManager profiles;
    KeptResults kept;
    kept.takeFrom(profiles);
    kept.enterInto(table);
    return rowsAboveFresh(table);
}

std::size_t bonusMessages(const GameController& game) {
    return game.huds[0]->messages->getChildren().count() + game.huds[1]->messages->getChildren().count();
}

} // namespace

TEST(SavedGames, ARecordPassesTheProfileFileAndAFullRestoreAndIsSavedBackUnchanged) {
    GameHarness harness;
    const SavegameData sample = sampleRecord();
    slot(harness, 0) = sample;
    ASSERT_TRUE(harness.game().profiles.save());
    const ProfileManager loaded;
    GameController& game = *GameController::continueGame(0, loaded.records[0].savegames[0]);
    EXPECT_EQ(game.wave, 35) << "on with the wave after the saved one";
    EXPECT_EQ(game.players[1]->getState(), PlayerData::ENTERING) << "back in, though out of lives";
    EXPECT_EQ(bonusMessages(game), 0u) << "the weapon is restored, not switched to";
    SavegameData again;
    game.savegame(0, again);
    again.wave = sample.wave;
    again.stage = sample.stage;
    EXPECT_EQ(bytesOf(again), bytesOf(sample));
}

TEST(SavedGames, AContinuedRecordPaysNoRunawayLivesOnItsFirstPointsAndAnUnsoundOneIsEmptiedAndLogged) {
    struct Case {
        const char* what;
        int32_t score, threshold, step, food, coins;
        bool bContinued;
        int32_t wantThreshold; // once loaded
        const char* logged;    // what the log says of the slot; "" for nothing
    };
    const Case cases[] = {
        {"sound", 113300, 1000000, 1000000, 3, 7, true, 1000000, ""},
        {"threshold far below the score", 113300, 0, 1000000, 3, 7, true, 1000000,
         "saved game 0 mended: player 1's extra-life threshold 0 was not above the score 113300; now 1000000."},
        {"two thousand thresholds below the score", 2000000000, 1000000, 1000000, 0, 0, true, 2001000000,
         "saved game 0 mended: player 1's extra-life threshold 1000000 was not above the score 2000000000"},
        {"step 1 (every life paid the next)", 113300, 0, 1, 3, 7, false, 0,
         "saved game 0 emptied: player 1's extra-life step 1 lies outside 1000000 to 2147483647."},
        {"food at the top of the range", 113300, 1000000, 1000000, TOP, 7, false, 0,
         "saved game 0 emptied: player 1's food 2147483647 lies outside 0 to 99999."},
        {"coins at the top of the range", 113300, 1000000, 1000000, 3, TOP, false, 0,
         "saved game 0 emptied: player 1's coins 2147483647 lies outside 0 to 99999."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness harness;
        SavegameData record = GameController::savedBefore(12, 1);
        SavegamePlayerData& saved = record.players[0];
        saved.score = c.score;
        saved.extraLifeThreshold = c.threshold;
        saved.extraLifeStep = c.step;
        saved.food = c.food;
        saved.coins = c.coins;
        slot(harness, 0) = record;
        ASSERT_TRUE(harness.game().profiles.save());
        const ProfileManager loaded;
        const SavegameData& again = loaded.records[0].savegames[0];
        const std::string log = readText(userFilePath(u"ZV2rmBrumedemo.log"));
        EXPECT_EQ(log.find("saved game 0 ") != std::string::npos, *c.logged != 0);
        if (*c.logged) {
            EXPECT_NE(log.find(c.logged), std::string::npos) << log;
        }
        EXPECT_EQ(again.bValidData, c.bContinued);
        if (!again.bValidData) continue;
        EXPECT_EQ(again.players[0].extraLifeThreshold, c.wantThreshold);

        GameController& game = *GameController::continueGame(0, again);
        game.bFormations = false;
        PlayerData& player = *game.players[0];
        ASSERT_TRUE(harness.runUntil([&] { return player.getState() == PlayerData::PLAYING; }, 200));
        auto* enemy = new StillEnemy(320, 100, 100);
        game.enemies->add(enemy);
        enemy->takeDamage(100, 0);
        harness.step();
        EXPECT_GT(player.score, c.score) << "the kill scores";
        EXPECT_EQ(player.lives, 5) << "and pays no life";
        EXPECT_EQ(player.extraLifeThreshold, c.wantThreshold);
    }
}

TEST(SavedGames, AnyStepThatLoadsPaysAtMostOneLifeForTheLargestBonusOfAWave) {
    struct Case {
        const char* what;
        int32_t step;
        bool bContinued;
        int32_t wantLives; // after the threshold is passed by the mystery bonus's 200,000 points
    };
    const Case cases[] = {
        {"just above a life's bonus (each life moved the gap by 1)", 50001, false, 0},
        {"twice a life's bonus", 100000, false, 0},
        {"just below the game's", 999999, false, 0},
        {"the game's", 1000000, true, 6},
        {"at the top of the range (no threshold left to pass)", TOP, true, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GameHarness harness;
        SavegameData record = GameController::savedBefore(12, 1);
        record.players[0].score = 149000;
        record.players[0].extraLifeThreshold = 0;
        record.players[0].extraLifeStep = c.step;
        slot(harness, 0) = record;
        ASSERT_TRUE(harness.game().profiles.save());
        const ProfileManager loaded;
        const SavegameData& again = loaded.records[0].savegames[0];
        EXPECT_EQ(again.bValidData, c.bContinued);
        if (!again.bValidData) continue;

        PlayerData& player = *GameController::continueGame(0, again)->players[0];
        const int64_t toThreshold = int64_t{player.extraLifeThreshold} - player.score;
        player.addScore(static_cast<int32_t>(std::min<int64_t>(toThreshold + 200000, TOP)));
        EXPECT_EQ(player.lives, c.wantLives);
    }
}

TEST(SavedGames, ASystemRestoreStartsFreshPlayersWithTheirWeaponsAndKeepsTheGamesCounters) {
    for (const int32_t weaponIndex : {0, 2}) {
        GameHarness harness;
        SavegameData sample = sampleRecord();
        sample.players[0].weaponIndex = weaponIndex;
        GameController& game = *GameController::continueGame(1, sample);
        const PlayerData& player = *game.players[0];
        EXPECT_EQ(std::vector<int32_t>({player.lives, player.score, player.food, player.missiles,
                                        player.extraLifeThreshold, player.extraLifeStep, player.coins}),
                  std::vector<int32_t>({5, 0, 0, 0, 1000000, 1000000, 0}));
        EXPECT_EQ(player.weaponIndex(), weaponIndex);
        EXPECT_EQ(player.weapon().power, 7) << "the current weapon again raises nothing";
        EXPECT_EQ(bonusMessages(game), 0u);
        EXPECT_FALSE(game.bMissileUsedThisSystem);
        EXPECT_TRUE(game.bMissileUsedEver);
        EXPECT_EQ(game.reserveCounter, 3);
        EXPECT_EQ(game.difficulty, 1);
    }
}

TEST(SavedGames, EachSaveReachesTheProfileFileAGameOverEmptiesTheWaveSlotACompletionBothAndALateLossKeepsIt) {
    struct Case {
        int wave;
        bool bWaveEnds; // before the loss (at a system's end: until its farewell)
        bool bBlocked;  // the profile file cannot be replaced
        bool bTableBlocked; // nor the high-score table
        bool wantSlot1;
        int32_t wantState;
        int pointsFrame; // that scores more (shots still flying), counted from the loss's, 0; -1: none
        bool bNextGame = false; // then a new game passes its first wave, before the table can be written
    };
    const Case cases[] = {{12, false, false, false, true, State::GAME_OVER, 0},
                          {15, true, false, false, true, State::GAME_OVER, 40},
                          {20, true, false, false, true, State::GAME_OVER, -1},
                          {15, true, true, false, true, State::GAME_OVER, 40},
                          {15, true, true, true, true, State::GAME_OVER, 40},
                          {15, true, false, true, true, State::GAME_OVER, 40, true},
                          {110, true, false, false, false, State::SYSTEM_END, 0},
                          {110, true, false, false, false, State::SYSTEM_END, 250}};
    constexpr int32_t SCORE = 654321; // above every row of a fresh table
    constexpr int32_t LATE_POINTS = 1300;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wave);
        PlayHarness harness(c.wave);
        slot(harness, 0) = slot(harness, 1) = sampleRecord();
        ASSERT_TRUE(harness.game().profiles.save());
        const std::filesystem::path file = userFilePath(ProfileManager::getFileName());
        const std::filesystem::path table = userFilePath(GameConfiguration::getFileName());
        if (c.bBlocked) std::filesystem::create_directories(file.string() + ".tmp/inside");
        if (c.bTableBlocked) std::filesystem::create_directories(table.string() + ".tmp/inside");
        const auto expectOnDisk = [&] {
            harness.game().finishSaves(); // only waits for the writer thread: no save of its own
            for (int index : {0, 1})
                EXPECT_EQ(waveOf(slotOnDisk(index)), c.bBlocked ? sampleRecord().wave : waveOf(slot(harness, index)));
        };
        GameController& game = harness.controller;
        testing::internal::CaptureStderr();
        harness.untilPlaying();
        harness.player().score = SCORE;
        // The wave passes without enemies; the last one's end completes the game.
        EXPECT_EQ(harness.runUntil([&] {
            game.enemies->getChildren().deleteAll();
            return !c.bWaveEnds || game.wave > c.wave || game.getState() == State::SYSTEM_END;
        }, 200), true);
        expectOnDisk();
        harness.player().lives = 1;
        harness.player().destroyed();
        if (c.pointsFrame == 0) harness.player().addScore(LATE_POINTS);
        harness.step(); // the loss's frame ends
        EXPECT_EQ(game.getState(), c.wantState);
        EXPECT_FALSE(slot(harness, 0).bValidData);
        EXPECT_EQ(slot(harness, 1).bValidData, c.wantSlot1);
        expectOnDisk();
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(told.starts_with("Could not save:\n" + file.string() + "\n"), c.bBlocked) << told;
        EXPECT_EQ(told.find("Could not save:", 1), std::string::npos) << told; // once
        // A kill after any frame from the loss on: the next start shows the result once, as the
        // game left to end enters it with the points scored so far, whether or not its profile
        // file could be written.
        testing::internal::CaptureStderr();
        std::vector<std::vector<HIGHSCOREENTRY>> killed(1);
        for (int frame = 1; frame < 310; ++frame) {
            harness.game().finishSaves();
            killed.push_back(rowsAtTheNextStart());
            if (frame == c.pointsFrame) harness.player().addScore(LATE_POINTS);
            harness.step();
        }
        EXPECT_EQ(game.getState(), State::GAME_END);
        const std::vector<HIGHSCOREENTRY> leftToEnd = rowsAboveFresh(harness.game().configuration);
        ASSERT_EQ(leftToEnd.size(), 1u);
        EXPECT_EQ(leftToEnd[0].score, SCORE + (c.pointsFrame >= 0 ? LATE_POINTS : 0));
        for (int frame = 1; frame < 310; ++frame) {
            const std::vector<HIGHSCOREENTRY>& rows = killed[static_cast<std::size_t>(frame)];
            ASSERT_EQ(rows.size(), 1u) << frame;
            if (frame > c.pointsFrame) {
                ASSERT_EQ(rows[0].score, leftToEnd[0].score) << frame;
                ASSERT_EQ(bytesOf(rows[0]), bytesOf(leftToEnd[0])) << frame;
            } else {
                ASSERT_EQ(rows[0].score, SCORE) << frame;
                ASSERT_EQ(rows[0].time, leftToEnd[0].time) << frame;
            }
        }
        EXPECT_EQ(keptRowsOnDisk(), c.bTableBlocked ? 1 : 0) << "once the table is written, no longer kept";
        // The table's failure is news beside the profiles' told already; the exit's save tells nothing new.
        harness.game().saveUserData();
        const std::string toldLater = testing::internal::GetCapturedStderr();
        EXPECT_EQ(toldLater.starts_with("Could not save:\n" + table.string() + "\n"), c.bTableBlocked) << toldLater;
        EXPECT_EQ(toldLater.find("Could not save:", 1), std::string::npos) << toldLater;
        if (!c.bNextGame) continue;
        // A new game of the same profile saves its first wave into the slot that the lost game
        // left, and a kill: the first result stays kept, and reaches the table once it can be written.
        for (VekBase* screen = &game; screen; screen = screen->getNext())
            static_cast<Context*>(screen)->closed = true;
        harness.step();
        GameController& next = *GameController::startAt(2, 1);
        next.bFormations = false;
        EXPECT_TRUE(harness.runUntil([&] {
            next.enemies->getChildren().deleteAll();
            return next.wave > 2;
        }, 400));
        harness.game().finishSaves();
        EXPECT_EQ(waveOf(slotOnDisk(0)), 2);
        for (const bool bTableWritten : {false, true}) {
            const std::vector<HIGHSCOREENTRY> rows = rowsAtTheNextStart();
            ASSERT_EQ(rows.size(), 1u) << bTableWritten;
            EXPECT_EQ(bytesOf(rows[0]), bytesOf(leftToEnd[0])) << bTableWritten;
            std::filesystem::remove_all(table.string() + ".tmp");
            harness.game().saveUserData();
        }
        EXPECT_EQ(keptRowsOnDisk(), 0);
    }
}

#endif
