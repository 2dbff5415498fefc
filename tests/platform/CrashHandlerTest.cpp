#include "platform/CrashHandler.h"
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include "TempDataHome.h"

namespace {

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(CrashHandlerDeathTest, FatalSignalsWriteTheCrashFilesAndExit) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must see this test's temporary paths
    for (int signalNumber : {SIGSEGV, SIGABRT, SIGFPE}) {
        TempDataHome home;
        const platform::CrashFiles files{(home.path() / "crash.mdmp").string(), (home.path() / "run.log").string(),
                                         (home.path() / "crash.log").string()};
        std::ofstream(files.logPath) << "+0\tearlier line\n";
        EXPECT_EXIT(
            {
                platform::installCrashHandler(files);
                std::raise(signalNumber);
            },
            testing::ExitedWithCode(1), "");
        const std::string expectedLine = "Fatal signal " + std::to_string(signalNumber) + ".\n";
        const std::string backtrace = readFile(files.backtracePath);
        EXPECT_EQ(backtrace.rfind(expectedLine, 0), 0u) << backtrace;
        EXPECT_GT(backtrace.size(), expectedLine.size());  // at least one frame follows
        EXPECT_EQ(readFile(files.logCopyPath), "+0\tearlier line\n" + expectedLine);
    }
}
