#include "game/KeptResults.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "TempDataHome.h"
#include "UserDataTestSupport.h"
#include "game/ProfileManager.h"

namespace {

/// The first letters of the names in a start's table, above a fresh table's best.
std::string namesAtTheNextStart() {
    GameConfiguration table;
    ProfileManager profiles;
    KeptResults kept;
    kept.takeFrom(profiles);
    kept.enterInto(table);
    std::string names;
    for (const HIGHSCOREENTRY& row : table.highScores)
        if (row.score > 100000) names += row.name.bytes[0];
    return names;
}

} // namespace

TEST(KeptResults, KeepEveryRowThatCouldStillMakeTheTableThroughKillsAndTakeOverAnEarlierVersionsOnce) {
    struct Keep {
        char name;
        int32_t thousands; // the score
        uint32_t game = 0; // 0: a game of its own
        int32_t player = 0;
    };
    struct Case {
        const char* what;
        std::vector<Keep> keeps;
        const char* want; // the names in the table of a start after a kill, best first
        bool bEarlierVersion = false; // the profile file keeps P's 400,000 in its wave slot
    };
    const Case cases[] = {
        {"a game's later row replaces its own", {{'A', 200, 1}, {'B', 300, 2}, {'C', 250, 1}}, "BC"},
        {"both players with the same row", {{'A', 200, 1, 0}, {'A', 200, 1, 1}}, "AA"},
        {"eleven rows: the lowest goes, not the oldest",
         {{'D', 240}, {'A', 210}, {'B', 220}, {'C', 230}, {'E', 250}, {'F', 260}, {'G', 270}, {'H', 280},
          {'I', 290}, {'J', 300}, {'K', 250}},
         "JIHGFEKDCB"},
        {"eleven rows: a new lowest is not kept",
         {{'A', 210}, {'B', 220}, {'C', 230}, {'D', 240}, {'E', 250}, {'F', 260}, {'G', 270}, {'H', 280},
          {'I', 290}, {'J', 300}, {'K', 200}},
         "JIHGFEDCBA"},
        {"eleven rows: of equal lowest the newest goes, as a table pushes it out",
         {{'A', 210}, {'B', 210}, {'C', 230}, {'D', 240}, {'E', 250}, {'F', 260}, {'G', 270}, {'H', 280},
          {'I', 290}, {'J', 300}, {'K', 250}},
         "JIHGFEKDCA"},
        {"an earlier version's, the profile file not written again", {{'A', 200}}, "PA", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDataHome home;
        if (c.bEarlierVersion) {
            ProfileManager earlier;
            earlier.addProfile(u"P");
            SavegameData& slot = earlier.records[0].savegames[0];
            slot.bResultPending = true;
            slot.wave = 30;
            slot.players[0] = {.present = true, .score = 400000};
            earlier.records[0].resultTime = 1700000000;
            ASSERT_TRUE(earlier.save());
        }
        ProfileManager profiles;
        KeptResults kept;
        EXPECT_EQ(kept.takeFrom(profiles), c.bEarlierVersion);
        EXPECT_FALSE(profiles.records[0].savegames[0].bResultPending);
        uint32_t game = 100;
        for (const Keep& k : c.keeps)
            kept.keep(k.game ? k.game : ++game, k.player,
                      GameConfiguration::makeHighScore(k.thousands * 1000, 20, 0, true,
                                                       std::u16string(1, k.name), 1700000000));
        ASSERT_TRUE(kept.save());
        for (const char* start : {"the first start", "a restart"})
            EXPECT_EQ(namesAtTheNextStart(), c.want) << start;
    }
}
