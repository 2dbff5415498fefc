#include <gtest/gtest.h>
#include <fcntl.h>
#include <functional>
#include <future>
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
#include "platform/ProcessSetup.h"

namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;

/// Runs `refuses` (true when the file was refused) and fails when it waits on the pipe at
/// `place`: the pipe is then opened from here so that the wait ends.
void expectRefusedAtOnce(const std::filesystem::path& place, const std::function<bool()>& refuses,
                         const std::string& what) {
    auto result = std::async(std::launch::async, refuses);
    if (result.wait_for(3s) == std::future_status::timeout) {
        ADD_FAILURE() << what << " waits on a pipe";
        const int unblock = ::open(place.c_str(), O_RDWR | O_NONBLOCK);
        result.wait();
        ::close(unblock);
    }
    EXPECT_TRUE(result.get()) << what;
}

} // namespace

TEST(HostileFiles, APipeOrAFolderInAFilesPlaceIsRefusedWithoutWaiting) {
    const struct {
        const char* name;
        std::function<bool(const WideString& path)> refuses;
    } readers[] = {
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
             return !FileManager::loadSignedBlock(&data, sizeof data, u"/", path, u"key");
         }},
    };
    const std::pair<const char*, std::function<void(const std::filesystem::path&)>> kinds[] = {
        {"pipe", [](const std::filesystem::path& place) { ASSERT_EQ(::mkfifo(place.c_str(), 0644), 0); }},
        {"folder", [](const std::filesystem::path& place) { std::filesystem::create_directory(place); }},
    };
    for (const auto& reader : readers)
        for (const auto& [kind, make] : kinds) {
            TempDataHome home;
            const std::filesystem::path place = home.path() / "file";
            make(place);
            expectRefusedAtOnce(
                place, [&] { return reader.refuses(fromUtf8(place.string())); },
                std::string(reader.name) + " on a " + kind);
        }
}

TEST(HostileFiles, DamagedUserSettingsAreKeptAsBadAndNothingOfThemIsWrittenBack) {
    const std::string good = "[Vek]\ndefaultLanguage=3\n";
    std::string flipped = good;
    flipped[4] = '}';
    const std::pair<const char*, std::string> cases[] = {
        {"random bytes", std::string(1000, '\0') + "\xC3\x28 noise"},
        {"over the size cap", good + std::string(70 * 1024, 'x')},
        {"one flipped byte in a section line", flipped},
        {"a NUL byte in a value", "[Vek]\ndefaultLanguage=3\0\n"s},
        {"not UTF-8", "[Vek]\ndebugCode=\xFF\xFE\n"},
        {"a line without '='", "[Vek]\ndefaultLanguage 3\n"},
    };
    for (const auto& [name, text] : cases) {
        TempDataHome home;
        const std::filesystem::path file = toUtf8(UserSettings::defaultPath());
        writeText(file, text);
        UserSettings settings;
        EXPECT_EQ(settings.getInt(u"Vek", u"defaultLanguage", -2), -2) << name;
        ASSERT_TRUE(settings.save()) << name;
        EXPECT_EQ(readText(file), "[Vek]\ndefaultLanguage=-2\n") << name;
        EXPECT_EQ(readText(file.string() + ".bad"), text) << name;
    }
}

TEST(HostileFilesDeathTest, WithTheStandardStreamsClosedTheFatalErrorIsLoggedOnceOnItsOwnLine) {
    TempDataHome home;
    const std::filesystem::path log = home.path() / "run.log";
    EXPECT_EXIT(
        {
            ::close(STDOUT_FILENO);
            ::close(STDERR_FILENO);
            platform::prepareProcess();
            Logger logger(fromUtf8(log.string()));
            ErrorManager errors;
            VEK_ERROR(u"broken");
        },
        testing::ExitedWithCode(1), "");
    const std::string crash = readText(toUtf8(getCrashLogPath()));
    EXPECT_EQ(crash.find("Error: broken"), crash.rfind("Error: broken")) << crash;
    EXPECT_NE(crash.find("\tError: broken\n"), std::string::npos) << crash;
}
