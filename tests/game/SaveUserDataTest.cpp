#include <gtest/gtest.h>
#include <cstdlib>
#include "GameHarness.h"
#include "UserDataTestSupport.h"

TEST(SaveUserData,
     EachFileThatFailsIsToldOnceNamingTheOthersThatFailedBesideItTheEarlierFileStandsAndExitSavesAll) {
    enum Blocked { NONE = 0, PROFILES = 1, TABLE = 2, BOTH = 3 };
    struct Save {
        Blocked blocked; // the files whose new version cannot be written
        Blocked told;    // the files the message names; NONE: no message
    };
    struct Case {
        const char* name;
        std::vector<Save> saves;
    };
    const Case cases[] = {
        {"the table, twice", {{TABLE, TABLE}, {TABLE, NONE}}},
        {"both at once, twice", {{BOTH, BOTH}, {BOTH, NONE}}},
        {"the table, then the profiles beside it", {{TABLE, TABLE}, {BOTH, BOTH}, {BOTH, NONE}}},
        {"the profiles, then the table alone", {{PROFILES, PROFILES}, {TABLE, TABLE}, {PROFILES, NONE}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameTestEngine engine;
        const std::filesystem::path files[] = {userFilePath(ProfileManager::getFileName()),
                                               userFilePath(GameConfiguration::getFileName())};
        const auto storedMusicVolume = [] {
            return readSignedUserFile(GameConfiguration::getFileName(), sizeof(GameConfigurationRecord))
                .at(offsetof(GameConfigurationRecord, musicVolume));
        };
        auto game = std::make_unique<GameGlobal>(std::make_unique<TestMenuScreens>(), engine.mainArchive);
        game->configuration.musicVolume = 4;
        game->saveUserData();
        game->configuration.musicVolume = 9;
        for (const Save& save : c.saves) {
            // A folder with something in it where the new file is written first.
            for (int index : {0, 1}) {
                const std::filesystem::path temporary = files[index].string() + ".tmp";
                std::filesystem::remove_all(temporary);
                if (save.blocked & (1 << index)) std::filesystem::create_directories(temporary / "inside");
            }
            testing::internal::CaptureStderr();
            game->saveUserData();
            const std::string told = testing::internal::GetCapturedStderr();
            std::string want = "Could not save:\n";
            for (int index : {0, 1})
                if (save.told & (1 << index)) want += files[index].string() + "\n";
            EXPECT_EQ(told.starts_with(want + "The earlier copies are kept."), save.told != NONE) << told;
            EXPECT_EQ(told.find("Could not save:", 1), std::string::npos) << told; // once
        }
        EXPECT_EQ(storedMusicVolume(), c.saves.back().blocked & TABLE ? 4 : 9);

        for (const std::filesystem::path& file : files)
            std::filesystem::remove_all(file.string() + ".tmp");
        game.reset();
        EXPECT_EQ(storedMusicVolume(), 9);
    }
}

#ifdef VEK_ASSETS_DIR

TEST(SaveUserData, AScreenshotThatFailsIsToldAndTheNextOneTakesTheNextFreeNumber) {
    struct Case {
        std::vector<int> kept;    // screenshots that stand before the run
        std::vector<int> blocked; // a folder with something in it at the number's temporary name
        std::vector<int> presses; // each F9: the number saved, or minus the number told as failed
    };
    const Case cases[] = {{{}, {1}, {-1, 2, 3}}, {{}, {1, 2}, {-1, -2, 3}}, {{1}, {2}, {-2, 3}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.presses));
        GameHarness harness;
        const auto screenshot = [](int number) {
            return userFilePath(stringf(u"%s-%04d.jpg", BUILD_IDENTIFIER, std::abs(number)));
        };
        for (int number : c.kept) writeText(screenshot(number), "kept");
        for (int number : c.blocked) std::filesystem::create_directories(screenshot(number) += ".tmp/inside");
        for (int want : c.presses) {
            testing::internal::CaptureStderr();
            for (bool bDown : {true, false}) {
                harness.input().keys[0x43] = bDown; // F9
                harness.step();
            }
            const std::string told = testing::internal::GetCapturedStderr();
            const std::string wantTold = want < 0 ? "Could not save:\n" + screenshot(want).string() + "\n" : "";
            EXPECT_EQ(told.substr(0, want < 0 ? wantTold.size() : std::string::npos), wantTold);
            EXPECT_EQ(std::filesystem::is_regular_file(screenshot(want)), want > 0) << want;
        }
    }
}

#endif
