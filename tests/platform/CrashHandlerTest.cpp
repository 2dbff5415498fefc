#include "platform/CrashHandler.h"
#include <algorithm>
#include <csignal>
#include <cstring>
#include <fstream>
#include <map>
#include <regex>
#include <fcntl.h>
#include <unistd.h>
#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"

TEST(CrashHandlerDeathTest, FatalSignalsWriteTheCrashFilesAndExit) {
    GTEST_FLAG_SET(death_test_style, "fast");  // the child must see this test's temporary paths
    constexpr int NO_LINE = -1;
    struct Case {
        int signalNumber;
        int lastLineMsBefore;  // when the log last wrote a line before the crash; NO_LINE: never
    };
    for (const Case& c : {Case{SIGSEGV, NO_LINE}, Case{SIGABRT, 60}, Case{SIGFPE, 20}}) {
        SCOPED_TRACE(c.signalNumber);
        TempDataHome home;
        const platform::CrashFiles files{(home.path() / "crash.mdmp").string(), (home.path() / "run.log").string(),
                                         (home.path() / "crash.log").string()};
        std::ofstream(files.logPath) << "+0\tearlier line\n";
        EXPECT_EXIT(
            {
                platform::installCrashHandler(files);
                if (c.lastLineMsBefore != NO_LINE) platform::noteLogLine();
                ::usleep(std::max(c.lastLineMsBefore, 0) * 1000);
                std::raise(c.signalNumber);
            },
            testing::ExitedWithCode(1), "");
        const std::string expectedLine = "Fatal signal " + std::to_string(c.signalNumber) + ".\n";
        const std::string backtrace = readText(files.backtracePath);
        EXPECT_EQ(backtrace.rfind(expectedLine, 0), 0u) << backtrace;
        EXPECT_GT(backtrace.size(), expectedLine.size());  // at least one frame follows
        // The log's line is stamped as the log's own are: the milliseconds since the last one.
        const std::string logCopy = readText(files.logCopyPath);
        std::smatch stamp;
        const std::regex stamped("\\+0\tearlier line\n\\+([0-9]+)\t" + expectedLine);
        ASSERT_TRUE(std::regex_match(logCopy, stamp, stamped)) << logCopy;
        if (c.lastLineMsBefore == NO_LINE) EXPECT_EQ(stamp[1], "0");
        else EXPECT_GE(std::stoi(stamp[1]), c.lastLineMsBefore);
    }
}

TEST(CrashHandlerDeathTest, AFatalSignalSaysOnStderrWhichSignalAndWhichCrashFilesItLeft) {
    GTEST_FLAG_SET(death_test_style, "fast");
    enum class Before { Running, LogMissing, FolderMissing };
    struct Case {
        int signalNumber;
        const char* name;
        Before before;
        const char* filesSaid;  // "<backtrace>" and "<log copy>" stand for their paths
    };
    const Case cases[] = {
        {SIGSEGV, "SIGSEGV", Before::Running, " Crash files: <backtrace>, <log copy>"},
        {SIGBUS, "SIGBUS", Before::Running, " Crash files: <backtrace>, <log copy>"},
        {SIGILL, "SIGILL", Before::Running, " Crash files: <backtrace>, <log copy>"},
        {SIGFPE, "SIGFPE", Before::Running, " Crash files: <backtrace>, <log copy>"},
        {SIGABRT, "SIGABRT", Before::Running, " Crash files: <backtrace>, <log copy>"},
        // A crash at start, inside the display's set-up: there is no log to copy yet.
        {SIGSEGV, "SIGSEGV", Before::LogMissing, " Crash files: <backtrace>"},
        {SIGSEGV, "SIGSEGV", Before::FolderMissing, " No crash file could be written."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ", case " + std::to_string(&c - cases));
        TempDataHome home;
        const std::filesystem::path data = home.path() / "data", stderrPath = home.path() / "stderr";
        if (c.before != Before::FolderMissing) std::filesystem::create_directory(data);
        const platform::CrashFiles files{(data / "crash.mdmp").string(), (data / "run.log").string(),
                                         (data / "crash.log").string()};
        if (c.before == Before::Running) writeText(files.logPath, "+0\tearlier line\n");
        EXPECT_EXIT(
            {
                ::dup2(::open(stderrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
                platform::installCrashHandler(files);
                std::raise(c.signalNumber);
            },
            testing::ExitedWithCode(1), "");
        std::string expected =
            "Fatal signal " + std::to_string(c.signalNumber) + " (" + c.name + ")." + c.filesSaid + "\n";
        for (const auto& [stand, path] :
             {std::pair{"<backtrace>", files.backtracePath}, {"<log copy>", files.logCopyPath}})
            if (const auto at = expected.find(stand); at != std::string::npos)
                expected.replace(at, std::strlen(stand), path);
        EXPECT_EQ(readText(stderrPath), expected);
    }
}

TEST(CrashHandlerDeathTest, EachCrashFileIsANewFileOfItsOwnWhateverStoodAtItsName) {
    GTEST_FLAG_SET(death_test_style, "fast");
    using Path = std::filesystem::path;
    enum class At { CrashFiles, RunningLog };
    struct Case {
        const char* name;
        At at;
        // Puts something at `name`: `elsewhere` is a file outside the folder, `missing` a free name.
        void (*plant)(const Path& name, const Path& elsewhere, const Path& missing);
    };
    const Case cases[] = {
        {"links to a file elsewhere", At::CrashFiles,
         [](const Path& name, const Path& elsewhere, const Path&) {
             std::filesystem::create_symlink(elsewhere, name);
         }},
        {"links to nothing", At::CrashFiles,
         [](const Path& name, const Path&, const Path& missing) {
             std::filesystem::create_symlink(missing, name);
         }},
        {"further names of a file elsewhere", At::CrashFiles,
         [](const Path& name, const Path& elsewhere, const Path&) {
             std::filesystem::create_hard_link(elsewhere, name);
         }},
        {"an earlier crash's longer files", At::CrashFiles,
         [](const Path& name, const Path&, const Path&) { writeText(name, std::string(10000, 'e')); }},
        {"the running log a link", At::RunningLog,
         [](const Path& name, const Path& elsewhere, const Path&) {
             std::filesystem::remove(name);
             std::filesystem::create_symlink(elsewhere, name);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDataHome home;
        const std::filesystem::path data = home.path() / "data";
        std::filesystem::create_directory(data);
        const platform::CrashFiles files{(data / "crash.mdmp").string(), (data / "run.log").string(),
                                         (data / "crash.log").string()};
        const std::filesystem::path elsewhere = home.path() / "precious.txt",
                                    missing = home.path() / "missing";
        writeText(elsewhere, "precious");
        writeText(files.logPath, "+0\tearlier line\n");
        if (c.at == At::CrashFiles)
            for (const std::string& name : {files.backtracePath, files.logCopyPath})
                c.plant(name, elsewhere, missing);
        else
            c.plant(files.logPath, elsewhere, missing);
        EXPECT_EXIT(
            {
                platform::installCrashHandler(files);
                std::raise(SIGSEGV);
            },
            testing::ExitedWithCode(1), "");
        EXPECT_EQ(readText(elsewhere), "precious");
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(missing)));
        EXPECT_FALSE(std::filesystem::is_symlink(files.backtracePath));
        EXPECT_EQ(readText(files.backtracePath).rfind("Fatal signal 11.\n", 0), 0u);
        if (c.at == At::CrashFiles) {
            EXPECT_FALSE(std::filesystem::is_symlink(files.logCopyPath));
            EXPECT_EQ(readText(files.logCopyPath), "+0\tearlier line\n+0\tFatal signal 11.\n");
        } else {
            // What a link in the log's place points to is neither added to nor copied for upload.
            EXPECT_FALSE(std::filesystem::exists(files.logCopyPath));
        }
    }
}

TEST(CrashHandlerDeathTest, ACrashFileWhosePathIsTooLongIsNotWrittenUnderACutName) {
    GTEST_FLAG_SET(death_test_style, "fast");
    constexpr std::size_t LONGEST_PATH = 4095;  // the system's limit, without the terminating NUL
    struct Case {
        std::size_t backtraceLength;
        std::size_t logCopyLength;
    };
    const Case cases[] = {{LONGEST_PATH, LONGEST_PATH}, {LONGEST_PATH + 1, LONGEST_PATH}, {4120, LONGEST_PATH + 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.backtraceLength) + ", " + std::to_string(c.logCopyLength));
        TempDataHome home;
        std::filesystem::path folder = home.path();
        while (folder.native().size() < LONGEST_PATH - 300) folder /= std::string(200, 'd');
        std::filesystem::create_directories(folder);
        // A file in `folder` whose whole path is `length` bytes long.
        const auto pathOf = [&folder](char letter, std::size_t length) {
            return (folder / std::string(length - folder.native().size() - 1, letter)).string();
        };
        const platform::CrashFiles files{pathOf('b', c.backtraceLength), (folder / "run.log").string(),
                                         pathOf('c', c.logCopyLength)};
        writeText(files.logPath, "+0\tearlier line\n");
        EXPECT_EXIT(
            {
                platform::installCrashHandler(files);
                std::raise(SIGSEGV);
            },
            testing::ExitedWithCode(1), "");
        // Each file of the folder by the first letter of its name, with the length of its path.
        std::map<char, std::size_t> expected{{'r', files.logPath.size()}};
        for (const std::string& path : {files.backtracePath, files.logCopyPath})
            if (path.size() <= LONGEST_PATH) expected[path.back()] = path.size();
        std::map<char, std::size_t> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            found[entry.path().filename().string().front()] = entry.path().native().size();
        EXPECT_EQ(found, expected);
        EXPECT_EQ(readText(files.logPath), "+0\tearlier line\n+0\tFatal signal 11.\n");
    }
}
