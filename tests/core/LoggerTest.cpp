#include "core/Logger.h"
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include "TempDataHome.h"
#include "core/AppEnvironment.h"
#include "core/ErrorManager.h"
#include "core/StringUtil.h"

namespace {

std::vector<std::string> readLines(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

void logFromAMethod() { VEK_LOG(u"value %d", 7); }

}  // namespace

TEST(Logger, WritesHeaderAndPrefixedFunctionLines) {
    TempDataHome home;
    const std::filesystem::path file = home.path() / "run.log";
    {
        const char* argv[] = {"zelbin-vorlanx", "-safe"};
        setProgramArguments(2, argv);
        Logger logger(fromUtf8(file.string()));
        EXPECT_EQ(Logger::get(), &logger);
        logFromAMethod();
        logger.write(u"plain \u00e9");
    }
    EXPECT_EQ(Logger::get(), nullptr);
    const auto lines = readLines(file);
    ASSERT_GE(lines.size(), 4u);
    const std::regex prefix(R"(^\+\d+\t.*)");
    for (const auto& line : lines) EXPECT_TRUE(std::regex_match(line, prefix)) << line;
    EXPECT_NE(lines[0].find("Application: ZV2rmBrumedemo v3.07.g"), std::string::npos);
    bool bParameter = false, bDate = false;
    for (const auto& line : lines) {
        bParameter |= line.find("Parameter 1: -safe") != std::string::npos;
        bDate |= line.find("Date: ") != std::string::npos && line.ends_with(" UTC");
    }
    EXPECT_TRUE(bParameter);
    EXPECT_TRUE(bDate);
    EXPECT_TRUE(lines[lines.size() - 2].ends_with("\tlogFromAMethod(): value 7")) << lines[lines.size() - 2];
    EXPECT_TRUE(lines.back().ends_with("\tplain \xC3\xA9"));
    setProgramArguments(0, nullptr);
}

TEST(AppEnvironment, VersionAndFoldersFollowTheBuild) {
    TempDataHome home;
    const WideString version = getVersionString();
    EXPECT_TRUE(version.starts_with(u"ZV2rmBrumedemo v3.07.g "));
    EXPECT_TRUE(version.ends_with(sizeof(void*) == 8 ? u" 64bit" : u" 32bit"));
    const WideString folder = getUserFilesFolder();
    EXPECT_EQ(folder, fromUtf8((home.path() / "ZV2rmBrumedemo" / "3.07").string()));
    EXPECT_TRUE(std::filesystem::is_directory(toUtf8(folder)));
    EXPECT_EQ(getCrashLogPath(), folder + u"/crash.ZV2rmBrumedemo.log");
    EXPECT_EQ(getCrashScreenshotPath(), folder + u"/crash.ZV2rmBrumedemo.jpg");
    EXPECT_TRUE(getWadPath().ends_with(u"/ZV2rmBrumedemo.dat"));
}

TEST(ErrorManager, FatalTextsHaveTheFixedShape) {
    EXPECT_EQ(ErrorManager::errorText(u"Could not find resource 'x'.", "ResourceManager::find", "/a/b/Res.cpp", 12),
              u"Error: Could not find resource 'x'.\n Function: ResourceManager::find()\n File: Res.cpp\n Line: 12");
    EXPECT_EQ(ErrorManager::assertionText("a == b", "Foo::bar", "src/Foo.cpp", 3),
              u"Error: Assertion failed.\n Statement: a == b\n Function: Foo::bar()\n File: Foo.cpp\n Line: 3");
}

TEST(ErrorManagerDeathTest, FatalErrorLogsCopiesTheLogAndExits) {
    TempDataHome home;
    const std::filesystem::path file = home.path() / "fatal.log";
    EXPECT_EXIT(
        {
            Logger logger(fromUtf8(file.string()));
            ErrorManager errors;
            bool bScreenshot = false;
            errors.setHooks({[&](const WideString&) { bScreenshot = true; }, nullptr});
            VEK_ERROR(u"broken %d", 5);
        },
        testing::ExitedWithCode(1), "Error: broken 5");
    const auto lines = readLines(file);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_TRUE(lines.back().ends_with("\tForced exit."));
    const auto crash = readLines(toUtf8(getCrashLogPath()));
    EXPECT_EQ(crash, lines);
}

TEST(ErrorManagerDeathTest, FailedAssertionNamesTheStatement) {
    const int value = 3;
    EXPECT_EXIT(VEK_ASSERT(value == 4), testing::ExitedWithCode(1), "Statement: value == 4");
}
