#include <gtest/gtest.h>
#include "GameTestSupport.h"
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
