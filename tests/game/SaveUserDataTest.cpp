#include <gtest/gtest.h>
#include "GameTestSupport.h"
#include "UserDataTestSupport.h"

TEST(SaveUserData, AFailedSaveIsToldOnceNamingTheFileTheEarlierFileStandsAndExitSavesAll) {
    GameTestEngine engine;
    const auto storedMusicVolume = [] {
        return readSignedUserFile(GameConfiguration::getFileName(), sizeof(GameConfigurationRecord))
            .at(offsetof(GameConfigurationRecord, musicVolume));
    };
    auto game = std::make_unique<GameGlobal>(std::make_unique<TestMenuScreens>(), engine.mainArchive);
    game->configuration.musicVolume = 4;
    game->saveUserData();
    // A folder with something in it where the new settings file is written first.
    const std::filesystem::path settings = userFilePath(GameConfiguration::getFileName());
    std::filesystem::create_directories(settings.string() + ".tmp/inside");
    game->configuration.musicVolume = 9;
    testing::internal::CaptureStderr();
    game->saveUserData();
    game->saveUserData();
    const std::string told = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(told.starts_with("Could not save:\n" + settings.string())) << told;
    EXPECT_EQ(told.find("Could not save:", 1), std::string::npos) << told; // once
    EXPECT_EQ(storedMusicVolume(), 4);

    std::filesystem::remove_all(settings.string() + ".tmp");
    game.reset();
    EXPECT_EQ(storedMusicVolume(), 9);
}
