#include "platform/OpenAddress.h"
#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include "TempDataHome.h"

namespace {

void touch(const std::filesystem::path& file) { std::ofstream(file) << "x"; }

}  // namespace

TEST(OpenAddress, AcceptsWebAddressesAndFilesOfTheProgramFolderOnly) {
    TempDataHome home;
    const auto folder = home.path() / "program";
    std::filesystem::create_directories(folder / "help");
    touch(folder / "help" / "index.html");
    touch(home.path() / "outside.html");
    std::filesystem::create_symlink(home.path() / "outside.html", folder / "link.html");

    const std::pair<std::string, bool> cases[] = {
        {"http://example.org/", true},
        {"HTTPS://example.org/a?b=c&d", true},
        {"https://", false},
        {"ftp://example.org/", false},
        {"javascript:alert(1)", false},
        {"https://example.org/a b", false},      // blanks would split the address
        {"https://example.org/\n--help", false},  // control characters
        {"-https://example.org/", false},
        {"", false},
        {"help/index.html", true},
        {(folder / "help" / "index.html").string(), true},
        {"help/missing.html", false},
        {"help", false},                         // a folder is not a file
        {"../outside.html", false},              // climbing out of the folder
        {(home.path() / "outside.html").string(), false},
        {"link.html", false},                    // a link pointing outside
        {"/etc/passwd", false},
    };
    for (const auto& [address, expected] : cases)
        EXPECT_EQ(platform::isOpenableAddress(address, folder), expected) << address;
}

TEST(OpenAddress, HandsTheAddressOverAsOneArgumentWithoutAShellAndReportsARefusalOrAMissingOpener) {
    TempDataHome home;
    // A name a shell would split and run; with an argument vector it stays one file name.
    const auto file = home.path() / "a b;touch injected.html";
    touch(file);
    ASSERT_TRUE(platform::openAddress(file.string(), home.path(), "rm"));
    for (int i = 0; i < 200 && std::filesystem::exists(file); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_FALSE(std::filesystem::exists(home.path() / "injected.html"));
    EXPECT_FALSE(platform::openAddress("ftp://example.org/", home.path(), "true"));
    EXPECT_FALSE(platform::openAddress("https://example.org/", home.path(), "no-such-opener-program"));
    EXPECT_TRUE(platform::openAddress("https://example.org/", home.path(), "true"));
}
