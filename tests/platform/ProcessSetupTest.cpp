#include "platform/ProcessSetup.h"
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>
#include "TempDataHome.h"
#include "platform/FileIo.h"

TEST(ProcessSetupDeathTest, ClosedStandardStreamsAreNotTakenByTheFilesOpenedLater) {
    TempDataHome home;
    const std::string file = (home.path() / "log").string();
    EXPECT_EXIT(
        {
            ::close(STDOUT_FILENO);
            ::close(STDERR_FILENO);
            platform::prepareProcess();
            std::_Exit(::open(file.c_str(), O_WRONLY | O_CREAT, 0644) > STDERR_FILENO ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(ProcessSetupDeathTest, AWriteBeyondTheFileSizeLimitFailsLikeAFullDisk) {
    TempDataHome home;
    const auto file = home.path() / "big";
    EXPECT_EXIT(
        {
            platform::prepareProcess();
            rlimit limit{};
            limit.rlim_cur = limit.rlim_max = 1000;
            setrlimit(RLIMIT_FSIZE, &limit);
            std::string error;
            const bool bWritten = platform::writeFileAtomically(file, std::vector<uint8_t>(4000), error);
            std::fprintf(stderr, "%s\n", error.c_str());
            std::_Exit(bWritten ? 1 : 0);
        },
        testing::ExitedWithCode(0), "File too large");
    EXPECT_FALSE(std::filesystem::exists(file));
}
