#include <gtest/gtest.h>
#include "GameTestSupport.h"
#include "UserDataTestSupport.h"
#include "core/UserSettings.h"

namespace {

int32_t storedMusicVolume() {
    const auto record = readSignedUserFile(GameConfiguration::getFileName(), sizeof(GameConfigurationRecord));
    return record.empty() ? -1 : record[offsetof(GameConfigurationRecord, musicVolume)];
}

} // namespace

TEST(SaveUserData, AFailedSaveIsToldOnceNamingTheFileTheEarlierFileStandsAndExitSavesAll) {
    GameTestEngine engine;
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
    EXPECT_EQ(told.find("Could not save:"), told.rfind("Could not save:")) << told;
    EXPECT_NE(told.find(settings.string()), std::string::npos) << told;
    EXPECT_EQ(storedMusicVolume(), 4);

    std::filesystem::remove_all(settings.string() + ".tmp");
    game.reset();
    EXPECT_EQ(storedMusicVolume(), 9);
    EXPECT_TRUE(std::filesystem::exists(userFilePath(ProfileManager::getFileName())));
    EXPECT_TRUE(std::filesystem::exists(toUtf8(engine.vek->getUserSettings().getPath())));
}
