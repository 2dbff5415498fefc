#include "platform/CrashHandler.h"
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"


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
        const std::string backtrace = readText(files.backtracePath);
        EXPECT_EQ(backtrace.rfind(expectedLine, 0), 0u) << backtrace;
        EXPECT_GT(backtrace.size(), expectedLine.size());  // at least one frame follows
        EXPECT_EQ(readText(files.logCopyPath), "+0\tearlier line\n" + expectedLine);
    }
}
