#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/AppEnvironment.h"
#include "core/ErrorManager.h"
#include "core/FileManager.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/UserSettings.h"
#include "core/WadArchive.h"
#include "platform/FileIo.h"
#include "platform/ProcessSetup.h"

using namespace std::string_literals;

TEST(HostileFilesDeathTest, APipeOrAFolderInAFilesPlaceIsRefusedWithoutWaiting) {
    using Refuses = bool (*)(const WideString& path);
    const std::pair<const char*, Refuses> readers[] = {
        {"user settings",
         [](const WideString& path) { return UserSettings(path).getInt(u"Vek", u"k", 7) == 7; }},
        {"log", [](const WideString& path) { return !Logger(path).isOpen(); }},
        {"archive",
         [](const WideString& path) {
             WideString error;
             return !WadArchive::open(path, error);
         }},
        {"signed data file",
         [](const WideString& path) {
             int data = 0;
             return !FileManager::loadSignedBlock(&data, 4, u"/", path, u"k");
         }},
    };
    for (const auto& [name, refuses] : readers)
        for (const bool bPipe : {true, false}) {
            TempDataHome home;
            const std::filesystem::path place = home.path() / "file";
            if (bPipe)
                ::mkfifo(place.c_str(), 0644);
            else
                std::filesystem::create_directory(place);
            // One that waits on the pipe is ended by the alarm.
            EXPECT_EXIT((alarm(5), std::_Exit(refuses(fromUtf8(place.string())) ? 0 : 1)),
                        testing::ExitedWithCode(0), "")
                << name << (bPipe ? " on a pipe" : " on a folder");
        }
}

TEST(HostileFiles, DamagedUserSettingsAreKeptAsBadAndNothingOfThemIsWrittenBack) {
    const std::string flippedSection = "[Vek}\ndefaultLanguage=3\n";
    for (const std::string& text :
         {std::string(1000, '\0') + "\xC3\x28", "[Vek]\n" + std::string(70 * 1024, 'x') + "=1\n",
          flippedSection, "[Vek]\ndefaultLanguage=3\0\n"s, "[Vek]\ndebugCode=\xFF\n"s,
          "[Vek]\ndefaultLanguage 3\n"s}) {
        TempDataHome home;
        const std::filesystem::path file = toUtf8(UserSettings::defaultPath());
        writeText(file, text);
        UserSettings settings;
        EXPECT_EQ(settings.getInt(u"Vek", u"defaultLanguage", -2), -2) << text.substr(0, 30);
        ASSERT_TRUE(settings.save());
        EXPECT_EQ(readText(file), "[Vek]\ndefaultLanguage=-2\n");
        EXPECT_EQ(readText(file.string() + ".bad"), text);
    }
}

TEST(HostileFilesDeathTest, WithTheStandardStreamsClosedTheFatalErrorIsLoggedOnceOnItsOwnLine) {
    TempDataHome home;
    EXPECT_EXIT(
        {
            ::close(STDOUT_FILENO);
            ::close(STDERR_FILENO);
            platform::prepareProcess();
            Logger logger(fromUtf8((home.path() / "run.log").string()));
            ErrorManager errors;
            VEK_ERROR(u"broken");
        },
        testing::ExitedWithCode(1), "");
    const std::string crash = readText(toUtf8(getCrashLogPath()));
    EXPECT_EQ(crash.find("Error: broken"), crash.rfind("Error: broken")) << crash;
    EXPECT_NE(crash.find("\tError: broken\n"), std::string::npos) << crash;
}

TEST(HostileFilesDeathTest, AWriteBeyondTheFileSizeLimitFailsLikeAFullDisk) {
    TempDataHome home;
    EXPECT_EXIT(
        {
            platform::prepareProcess();
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = 1000;
            setrlimit(RLIMIT_FSIZE, &limit);
            std::string error;
            std::_Exit(platform::writeFileAtomically(home.path() / "big", std::vector<uint8_t>(4000), error)
                           ? 1
                           : 0);
        },
        testing::ExitedWithCode(0), "");
    EXPECT_FALSE(std::filesystem::exists(home.path() / "big"));
}
