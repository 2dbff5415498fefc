#include <gtest/gtest.h>
#include <sys/stat.h>
#include "GameTestSupport.h"
#include "ScopedEnvironment.h"
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
         const std::filesystem::path damaged = userFilePath(u"ZV2rmBrumedemo.hst");
         writeText(damaged, "damaged");
         // Not writable by others, as the program's own files: its .bad name keeps that mode.
         std::filesystem::permissions(damaged, std::filesystem::perms::owner_read |
                                                   std::filesystem::perms::owner_write);
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

mode_t permissionsOf(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

/// Sets the process's umask for one test and restores it afterwards.
class ScopedUmask {
  public:
    explicit ScopedUmask(mode_t mask) : previous(::umask(mask)) {}
    ~ScopedUmask() { ::umask(previous); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

  private:
    const mode_t previous;
};

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

TEST(LinkedUserFilesDeathTest, WhatAWriterMakesIsNotWritableByOthersUnderAnyUmaskAndModesTheUserChoseStay) {
    GTEST_FLAG_SET(death_test_style, "fast"); // the fatal error's child must see this home
    constexpr mode_t CHOSEN_FOLDER_MODE = 0750, CHOSEN_FILE_MODE = 0600;
    for (const UserFileWriter& writer : WRITERS)
        for (const mode_t mask : {0000, 0022})
            for (const bool bChosen : {false, true}) {
                SCOPED_TRACE(std::string(writer.name) + (mask ? ", umask 022" : ", umask 000") +
                             (bChosen ? ", written again after the user chose other modes" : ""));
                TempDataHome home;
                // The data home itself is missing at a first start: the program makes it too.
                const std::filesystem::path made = home.path() / "made";
                const ScopedEnvironment xdg("XDG_DATA_HOME", (made / "data").c_str());
                const ScopedUmask umask(mask);
                const std::filesystem::path file = userFilePath(writer.fileName);

                writer.write();
                if (bChosen) {
                    std::filesystem::permissions(file, static_cast<std::filesystem::perms>(CHOSEN_FILE_MODE));
                    for (std::filesystem::path folder = file.parent_path(); folder != home.path();
                         folder = folder.parent_path())
                        std::filesystem::permissions(folder,
                                                     static_cast<std::filesystem::perms>(CHOSEN_FOLDER_MODE));
                    writer.write();
                    EXPECT_EQ(permissionsOf(file), CHOSEN_FILE_MODE) << std::oct << permissionsOf(file);
                }

                for (const auto& entry : std::filesystem::recursive_directory_iterator(made)) {
                    const mode_t mode = permissionsOf(entry.path());
                    if (entry.is_directory())
                        EXPECT_EQ(mode, bChosen ? CHOSEN_FOLDER_MODE : 0700)
                            << entry.path() << std::oct << " " << mode;
                    else
                        EXPECT_EQ(mode & 0022, 0u) << entry.path() << std::oct << " " << mode;
                }
            }
}
