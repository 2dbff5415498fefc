#include "game/ProfileManager.h"
#include <functional>
#include <limits>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "TempDataHome.h"
#include "UserDataTestSupport.h"
#include "core/GameRandom.h"

namespace {

constexpr char16_t FILE_NAME[] = u"ZV2rmBrumedemo.pro";
constexpr uint32_t SEED = 0xCAFEF00Du;
constexpr int32_t TOP = std::numeric_limits<int32_t>::max();

class ProfileManagerTest : public testing::Test {
  protected:
    void SetUp() override { gameRandom.setSeed(SEED); }
    void TearDown() override { ProfileManager::setProfileChangedHook({}); }

    TempDataHome home;
};

std::vector<std::u16string> namesOf(const ProfileManager& profiles) {
    std::vector<std::u16string> names;
    for (int i = 0; i < ProfileBlock::MAX_PROFILES; ++i)
        names.push_back(profiles.getProfileName(i));
    return names;
}

std::vector<std::u16string> padded(std::vector<std::u16string> names) {
    names.resize(ProfileBlock::MAX_PROFILES);
    return names;
}

/// A block with the given names in its first records, a marked saved game in each, and `current`.
ProfileBlock blockWith(const std::vector<std::u16string>& names, int32_t current) {
    ProfileBlock block;
    std::memset(static_cast<void*>(&block), 0, sizeof block);
    block.currentProfile = current;
    for (std::size_t i = 0; i < names.size(); ++i) {
        block.records[i].name.set(names[i]);
        block.records[i].profileId = 1000 + static_cast<uint32_t>(i);
        SavegameData& save = block.records[i].savegames[0];
        save.bValidData = true;
        save.wave = 11 + static_cast<int32_t>(i);
        save.stage = static_cast<int32_t>(i);
        save.system = 1;
        save.players[0] = {.present = true, .lives = 5, .extraLifeThreshold = 1000000, .extraLifeStep = 1000000};
    }
    return block;
}

std::unique_ptr<ProfileManager> managerFrom(const ProfileBlock& block) {
    writeSignedUserFile(FILE_NAME, bytesOf(block));
    return std::make_unique<ProfileManager>();
}

const std::vector<std::u16string> TEN = {u"P0", u"P1", u"P2", u"P3", u"P4",
                                         u"P5", u"P6", u"P7", u"P8", u"P9"};

}  // namespace

TEST_F(ProfileManagerTest, AddingTakesTheFirstFreeRecordWithAFreshIdentifierAndRunsTheHook) {
    int changes = 0;
    ProfileManager::setProfileChangedHook([&] { ++changes; });
    {
        ProfileManager profiles;
        EXPECT_EQ(bytesOf<ProfileBlock>(profiles), std::vector<uint8_t>(4808, 0));  // no file: all free and zero
        // The ten records drew their identifiers before the block was cleared.
        EXPECT_EQ(gameRandom.getState(), lcgAfter(SEED, 20));
        EXPECT_EQ(changes, 1);
        profiles.addProfile(u"Ada");
        EXPECT_EQ(profiles.records[0].profileId, identifierFrom(lcgAfter(SEED, 20)));
        profiles.addProfile(u"Bo");
        EXPECT_EQ(profiles.currentProfile, 1);
        EXPECT_EQ(profiles.getNumProfiles(), 2);
        EXPECT_EQ(changes, 3);
        profiles.deleteProfile(0);
        EXPECT_EQ(changes, 3);  // the players screen calls onCurrentProfileChanged itself
    }
    auto gap = managerFrom(blockWith({u"A", u"", u"C"}, 0));
    EXPECT_EQ(gap->getNumProfiles(), 2);  // counting sees records behind a gap
    gap->addProfile(u"B");
    EXPECT_EQ(gap->currentProfile, 1);
    EXPECT_EQ(namesOf(*gap), padded({u"A", u"B", u"C"}));
    EXPECT_FALSE(gap->records[1].savegames[0].bValidData);

    auto full = managerFrom(blockWith(TEN, 4));
    changes = 0;
    const auto before = bytesOf<ProfileBlock>(*full);
    full->addProfile(u"Eleventh");
    EXPECT_EQ(bytesOf<ProfileBlock>(*full), before);
    EXPECT_EQ(changes, 0);
}

TEST_F(ProfileManagerTest, DeletingMovesRecordsDownAndFreesTheLast) {
    struct Case {
        const char* what;
        std::vector<std::u16string> names;
        int current;
        int index;
        int expectedCurrent;
        std::vector<std::u16string> expectedNames;
    };
    const Case cases[] = {
        {"current is the last used", {u"A", u"B", u"C"}, 2, 2, 0, {u"A", u"B"}},
        {"current has records behind it", {u"A", u"B", u"C"}, 1, 1, 1, {u"A", u"C"}},
        {"the only profile", {u"A"}, 0, 0, 0, {}},
        {"first of three, current", {u"A", u"B", u"C"}, 0, 0, 0, {u"B", u"C"}},
        {"another than the current", {u"A", u"B", u"C", u"D"}, 3, 1, 3, {u"A", u"C", u"D"}},
        {"the last, another current", {u"A", u"B", u"C"}, 1, 2, 1, {u"A", u"B"}},
        {"ten, the tenth current", TEN, 9, 9, 0, {TEN.begin(), TEN.end() - 1}},
        {"ten, the first current", TEN, 0, 0, 0, {TEN.begin() + 1, TEN.end()}},
    };
    for (const Case& c : cases) {
        auto profiles = managerFrom(blockWith(c.names, c.current));
        const std::vector<uint8_t> moved =
            c.index < 9 ? bytesOf(profiles->records[c.index + 1]) : std::vector<uint8_t>();
        const uint32_t state = gameRandom.getState();
        profiles->deleteProfile(c.index);
        EXPECT_EQ(profiles->currentProfile, c.expectedCurrent) << c.what;
        EXPECT_EQ(namesOf(*profiles), padded(c.expectedNames)) << c.what;
        EXPECT_EQ(profiles->getNumProfiles(), static_cast<int>(c.expectedNames.size())) << c.what;
        // Whole records move, saved games included; the last becomes a fresh free record.
        if (c.index < 9) {
            EXPECT_EQ(bytesOf(profiles->records[c.index]), moved) << c.what;
        }
        EXPECT_EQ(profiles->records[9].profileId, identifierFrom(state)) << c.what;
        EXPECT_FALSE(profiles->records[9].savegames[0].bValidData) << c.what;
    }
}

TEST_F(ProfileManagerTest, ClearingAProfileFreesItAndEmptiesItsGames) {
    auto profiles = managerFrom(blockWith({u"A", u"B"}, 1));
    profiles->records[1].savegames[1].bValidData = true;
    const uint32_t state = gameRandom.getState();
    profiles->clearProfile(1);
    EXPECT_TRUE(profiles->records[1].isFree());
    EXPECT_EQ(profiles->records[1].profileId, identifierFrom(state));
    EXPECT_FALSE(profiles->records[1].savegames[0].bValidData);
    EXPECT_FALSE(profiles->records[1].savegames[1].bValidData);
    EXPECT_EQ(bytesOf(profiles->records[1].savegames[1]), std::vector<uint8_t>(108, 0));
}

TEST_F(ProfileManagerTest, BecomingCurrentCutsTheNameToSixteenUnits) {
    struct Case {
        std::u16string name;
        std::u16string expected;
    };
    const Case cases[] = {
        {u"ABCDEFGHIJKLMNOPQRSTUV", u"ABCDEFGHIJKLMNOP"},
        {u"ABCDEFGHIJKLMNOP", u"ABCDEFGHIJKLMNOP"},
        {u"ĄĆĘŁŃÓŚŹŻąćęłńóśźż", u"ĄĆĘŁŃÓŚŹŻąćęłńóś"},
        // A character outside the basic plane is not split into a lone half.
        {u"ABCDEFGHIJKLMNO\U0001F600", u"ABCDEFGHIJKLMNO"},
        {u"ABCDEFGHIJKLMN\U0001F600Z", u"ABCDEFGHIJKLMN\U0001F600"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(userFilePath(FILE_NAME));
        ProfileManager profiles;
        profiles.addProfile(c.name);
        EXPECT_EQ(profiles.getProfileName(0), c.expected);
    }
    // A long name read from the file is cut when the manager makes it current.
    auto profiles = managerFrom(blockWith({u"A", u"ABCDEFGHIJKLMNOPQRSTUV"}, 1));
    EXPECT_EQ(profiles->getProfileName(1), u"ABCDEFGHIJKLMNOP");
}

TEST_F(ProfileManagerTest, ASavedBlockLoadsBack) {
    {
        ProfileManager profiles;
        profiles.addProfile(u"Zoë");
        profiles.addProfile(u"Bo");
        profiles.records[1].savegames[1].bValidData = true;
        profiles.records[1].savegames[1].wave = 20;
        profiles.records[1].savegames[1].stage = 9;
        profiles.records[1].savegames[1].system = 1;
        profiles.records[1].savegames[1].players[0].present = true;
        profiles.records[1].savegames[1].players[0].weaponIndex = 2;
        profiles.records[1].savegames[1].players[0].weaponPower = 21;
        profiles.records[1].savegames[1].players[0].extraLifeStep = 1000000;
        ASSERT_TRUE(profiles.save());
    }
    ProfileManager loaded;
    EXPECT_EQ(namesOf(loaded), padded({u"Zoë", u"Bo"}));
    EXPECT_EQ(loaded.currentProfile, 1);
    const SavegameData& save = loaded.records[1].savegames[1];
    EXPECT_TRUE(save.bValidData);
    EXPECT_EQ(save.wave, 20);
    EXPECT_EQ(save.players[0].weaponIndex, 2);
    EXPECT_EQ(save.players[0].weaponPower, 21);
    EXPECT_FALSE(std::filesystem::exists(userFilePath(u"ZV2rmBrumedemo.pro.bad")));
}

TEST_F(ProfileManagerTest, ADamagedFileIsKeptAsBadAndTheNextSaveIsSound) {
    writeSignedUserFile(FILE_NAME, bytesOf(blockWith({u"A", u"B"}, 1)));
    const auto goodFile = readBytes(userFilePath(FILE_NAME));
    std::vector<std::pair<const char*, std::vector<uint8_t>>> files;
    for (const FileDamage& damage : FILE_DAMAGES)
        files.emplace_back(damage.what, damage.apply(goodFile));
    const auto block = bytesOf(blockWith({u"A"}, 0));
    files.emplace_back("4807 bytes", encodeSignedBlock(std::vector<uint8_t>(block.begin(), block.end() - 1),
                                                       FILE_NAME, u"3.07"));
    files.emplace_back("signed as the settings file",
                       encodeSignedBlock(block, u"ZV2rmBrumedemo.hst", u"3.07"));

    for (const auto& [what, damaged] : files) {
        writeBytes(userFilePath(FILE_NAME), damaged);
        {
            ProfileManager profiles;
            EXPECT_EQ(profiles.getNumProfiles(), 0) << what;
            EXPECT_EQ(profiles.currentProfile, 0) << what;
            EXPECT_EQ(readBytes(userFilePath(u"ZV2rmBrumedemo.pro.bad")), damaged) << what;
            profiles.addProfile(u"New");
            profiles.save();
        }
        ProfileManager again;
        EXPECT_EQ(namesOf(again), padded({u"New"})) << what;
        EXPECT_EQ(readBytes(userFilePath(u"ZV2rmBrumedemo.pro.bad")), damaged) << what;
    }
}

TEST_F(ProfileManagerTest, LoadedBlocksAreBroughtIntoRange) {
    using P = const ProfileManager&;
    struct Case {
        const char* what;
        std::function<void(ProfileBlock&)> damage;
        std::function<bool(P)> mended;
    };
    const auto valid = [](P p) { return p.records[0].savegames[0].bValidData; };
    const auto invalid = [](P p) { return !p.records[0].savegames[0].bValidData; };
    // A continued slot whose first player's next extra life comes at `at`.
    const auto threshold = [](int32_t at) {
        return [at](P p) { return p.records[0].savegames[0].bValidData &&
                                  p.records[0].savegames[0].players[0].extraLifeThreshold == at; };
    };
    const Case cases[] = {
        {"current profile 10", [](auto& b) { b.currentProfile = 10; }, [](P p) { return p.currentProfile == 0; }},
        {"negative current profile", [](auto& b) { b.currentProfile = -1; }, [](P p) { return p.currentProfile == 0; }},
        {"current profile 9 kept", [](auto& b) { b.currentProfile = 9; }, [](P p) { return p.currentProfile == 9; }},
        {"sound saved game kept", [](auto&) {}, valid},
        {"wave 110, which ends the game",
         [](auto& b) { b.records[0].savegames[0].wave = 110, b.records[0].savegames[0].stage = 9,
                       b.records[0].savegames[0].system = 10; },
         invalid},
        {"wave 0", [](auto& b) { b.records[0].savegames[0].wave = 0; }, invalid},
        {"stage of another wave", [](auto& b) { b.records[0].savegames[0].stage = 1; }, invalid},
        {"system of another wave", [](auto& b) { b.records[0].savegames[0].system = 2; }, invalid},
        {"difficulty 2", [](auto& b) { b.records[0].savegames[0].difficulty = 2; }, invalid},
        {"negative reserve counter", [](auto& b) { b.records[0].savegames[0].reserveCounter = -1; }, invalid},
        {"no player present", [](auto& b) { b.records[0].savegames[0].players[0].present = false; }, invalid},
        {"present player's weapon 3", [](auto& b) { b.records[0].savegames[0].players[0].weaponIndex = 3; }, invalid},
        {"negative lives", [](auto& b) { b.records[0].savegames[0].players[0].lives = -1; }, invalid},
        {"negative power", [](auto& b) { b.records[0].savegames[0].players[0].weaponPower = -1; }, invalid},
        {"power past the counters", [](auto& b) { b.records[0].savegames[0].players[0].weaponPower = 100000; }, invalid},
        {"missiles past the counters", [](auto& b) { b.records[0].savegames[0].players[0].missiles = 100000; }, invalid},
        {"extra-life step 0", [](auto& b) { b.records[0].savegames[0].players[0].extraLifeStep = 0; }, invalid},
        {"food past the counters", [](auto& b) { b.records[0].savegames[0].players[0].food = 100000; }, invalid},
        {"negative food", [](auto& b) { b.records[0].savegames[0].players[0].food = -1; }, invalid},
        {"coins at the top of the range", [](auto& b) { b.records[0].savegames[0].players[0].coins = TOP; }, invalid},
        {"extra-life step 1", [](auto& b) { b.records[0].savegames[0].players[0].extraLifeStep = 1; }, invalid},
        {"extra-life step that its bonus passes",
         [](auto& b) { b.records[0].savegames[0].players[0].extraLifeStep = 50000; }, invalid},
        {"extra-life step just above its bonus",
         [](auto& b) { b.records[0].savegames[0].players[0].extraLifeStep = 50001; }, invalid},
        {"extra-life step just below the game's",
         [](auto& b) { b.records[0].savegames[0].players[0].extraLifeStep = 999999; }, invalid},
        {"extra-life step above the game's",
         [](auto& b) { b.records[0].savegames[0].players[0].extraLifeStep = 3000000; }, threshold(1000000)},
        {"threshold far below the score, up by whole steps",
         [](auto& b) { b.records[0].savegames[0].players[0].score = 113300,
                       b.records[0].savegames[0].players[0].extraLifeThreshold = 0; },
         threshold(1000000)},
        {"threshold at the score",
         [](auto& b) { b.records[0].savegames[0].players[0].score = 2000000,
                       b.records[0].savegames[0].players[0].extraLifeThreshold = 2000000; },
         threshold(3000000)},
        {"score past the last threshold of the range",
         [](auto& b) { b.records[0].savegames[0].players[0].score = TOP - 5,
                       b.records[0].savegames[0].players[0].extraLifeThreshold = 7000000; },
         threshold(TOP)},
        {"threshold and score at the top kept",
         [](auto& b) { b.records[0].savegames[0].players[0].score = TOP,
                       b.records[0].savegames[0].players[0].extraLifeThreshold = TOP; },
         threshold(TOP)},
        {"threshold steps ahead kept",
         [](auto& b) { b.records[0].savegames[0].players[0].extraLifeThreshold = 5000000; }, threshold(5000000)},
        {"absent player's food at the top", [](auto& b) { b.records[0].savegames[0].players[1].food = TOP; }, valid},
        {"absent player's weapon 3", [](auto& b) { b.records[0].savegames[0].players[1].weaponIndex = 3; }, valid},
        {"absent player's step 0", [](auto& b) { b.records[0].savegames[0].players[1].extraLifeStep = 0; }, valid},
        {"kept result beside a game dropped, the game kept",
         [](auto& b) { b.records[0].savegames[0].bResultPending = true; },
         [](P p) { return !p.records[0].savegames[0].bResultPending && p.records[0].savegames[0].bValidData; }},
        {"kept result of the last wave kept",
         [](auto& b) { b.records[0].savegames[0].bValidData = false, b.records[0].savegames[0].bResultPending = true,
                       b.records[0].savegames[0].wave = 110; },
         [](P p) { return p.records[0].savegames[0].bResultPending; }},
        {"kept result past the last wave dropped",
         [](auto& b) { b.records[0].savegames[0].bValidData = false, b.records[0].savegames[0].bResultPending = true,
                       b.records[0].savegames[0].wave = 111; },
         [](P p) { return !p.records[0].savegames[0].bResultPending; }},
        {"empty slot with any values",
         [](auto& b) { b.records[0].savegames[1].wave = -9, b.records[0].savegames[1].system = 99; },
         [](P p) { return !p.records[0].savegames[1].bValidData && p.records[0].savegames[1].system == 99; }},
    };
    for (const Case& c : cases) {
        ProfileBlock block = blockWith({u"A", u"B"}, 0);
        c.damage(block);
        auto profiles = managerFrom(block);
        EXPECT_TRUE(c.mended(*profiles)) << c.what;
        EXPECT_FALSE(std::filesystem::exists(userFilePath(u"ZV2rmBrumedemo.pro.bad"))) << c.what;
    }
    // Flag bytes read as 0 or 1.
    auto bytes = bytesOf(blockWith({u"A"}, 0));
    const std::size_t save0 = 8 + 264;
    bytes[save0] = 0x02;       // bValidData
    bytes[save0 + 17] = 0x80;  // missileUsedEver
    bytes[save0 + 28] = 0xFF;  // players[0].present
    writeSignedUserFile(FILE_NAME, bytes);
    ProfileManager profiles;
    const auto loaded = bytesOf<ProfileBlock>(profiles);
    EXPECT_EQ(loaded[save0], 1);
    EXPECT_EQ(loaded[save0 + 17], 1);
    EXPECT_EQ(loaded[save0 + 28], 1);
}
