#include <gtest/gtest.h>
#include <sys/stat.h>
#include "GameTestSupport.h"
#include "UserDataTestSupport.h"
#include "core/ErrorManager.h"
#include "core/Logger.h"
#include "core/UserSettings.h"
#include "game/GameConfiguration.h"
#include "game/ProfileManager.h"
#include "platform/SingleInstanceLock.h"

namespace {

/// One writer of a file in the user-data folder.
struct UserFileWriter {
    const char* name;
    const char16_t* fileName;
    void (*write)();
};

void drawAndSave(const WideString& path, bool bCrashHook) {
    GraphicsFixture fixture;
    fixture.graphics->beginScene();
    fixture.graphics->clear(0xFF00FF00);
    if (bCrashHook)
        fixture.graphics->makeErrorHooks().saveScreenshot(path);
    else
        fixture.graphics->takeScreenshot(path, [] {});
}

// The fatal error's child is forked before any drawing has started the renderer's threads.
const UserFileWriter WRITERS[] = {
    {"user settings", u"ZV2rmBrumedemo.ini",
     [] {
         UserSettings settings;
         settings.setInt(u"Vek", u"debugLevel", 1);
         settings.save();
     }},
    {"high scores", u"ZV2rmBrumedemo.hst", [] { GameConfiguration().save(); }},
    {"profiles", u"ZV2rmBrumedemo.pro", [] { ProfileManager().save(); }},
    {"unreadable high scores kept aside", u"ZV2rmBrumedemo.hst.bad",
     [] {
         writeText(userFilePath(u"ZV2rmBrumedemo.hst"), "damaged");
         GameConfiguration loaded;
     }},
    {"log of a new run", u"ZV2rmBrumedemo.log", [] { Logger(getLogPath(), false).write(u"new"); }},
    {"log after a restart", u"ZV2rmBrumedemo.log", [] { Logger(getLogPath(), true).write(u"more"); }},
    {"lock file", u"ZV2rmBrumedemo.lock",
     [] { EXPECT_TRUE(platform::SingleInstanceLock(userFilePath(u"ZV2rmBrumedemo.lock")).isHeld()); }},
    {"log copy of a fatal error", u"crash.ZV2rmBrumedemo.log",
     [] {
         EXPECT_EXIT(
             {
                 Logger logger(getLogPath());
                 ErrorManager errors;
                 VEK_ERROR(u"broken");
             },
             testing::ExitedWithCode(1), "");
     }},
    {"screenshot", u"ZV2rmBrumedemo-0001.jpg",
     [] { drawAndSave(fromUtf8(userFilePath(u"ZV2rmBrumedemo-0001.jpg").string()), false); }},
    {"screenshot of a fatal error", u"crash.ZV2rmBrumedemo.jpg",
     [] { drawAndSave(getCrashScreenshotPath(), true); }},
};

bool isLink(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

} // namespace

TEST(LinkedUserFilesDeathTest, ALinkInAUserFilesPlaceIsReplacedAndWhatItPointsToStaysAsItWas) {
    GTEST_FLAG_SET(death_test_style, "fast"); // the fatal error's child must see this home
    for (const UserFileWriter& writer : WRITERS)
        for (const bool bTargetExists : {true, false})
            for (const bool bFolderLinked : {false, true}) {
                SCOPED_TRACE(std::string(writer.name) +
                             (bTargetExists ? ", link to a file" : ", link to nothing") +
                             (bFolderLinked ? ", in a linked user-data folder" : ""));
                TempDataHome home;
                // Users may keep their data elsewhere by linking the folder: that link is followed.
                if (bFolderLinked) {
                    std::filesystem::create_directories(home.path() / "elsewhere");
                    std::filesystem::create_directories(home.path() / "ZV2rmBrumedemo");
                    std::filesystem::create_directory_symlink(home.path() / "elsewhere",
                                                              home.path() / "ZV2rmBrumedemo" / "3.07");
                }
                const std::filesystem::path target = home.path() / "outside" / "precious.txt";
                std::filesystem::create_directories(target.parent_path());
                if (bTargetExists) writeText(target, "precious");
                const std::filesystem::path planted = userFilePath(writer.fileName);
                std::filesystem::create_symlink(target, planted);

                writer.write();

                EXPECT_EQ(std::filesystem::exists(target), bTargetExists);
                if (bTargetExists) {
                    EXPECT_EQ(readText(target), "precious");
                }
                EXPECT_FALSE(isLink(planted));
                EXPECT_TRUE(std::filesystem::is_regular_file(planted));
                EXPECT_EQ(std::filesystem::is_symlink(home.path() / "ZV2rmBrumedemo" / "3.07"),
                          bFolderLinked);
            }
}
