#include "platform/SingleInstanceLock.h"
#include <gtest/gtest.h>
#include <sys/stat.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstIsGone) {
    TempDataHome home;
    const auto file = home.path() / "program.lock";
    {
        platform::SingleInstanceLock first(file);
        ASSERT_TRUE(first.isHeld());
        platform::SingleInstanceLock second(file);
        EXPECT_EQ(second.getState(), platform::SingleInstanceLock::State::HeldElsewhere);
    }
    platform::SingleInstanceLock later(file);
    EXPECT_TRUE(later.isHeld());
}

TEST(SingleInstanceLock, ALockThatCannotBeMadeIsUnavailableNotHeldElsewhere) {
    using Prepare = void (*)(const std::filesystem::path& at);
    const struct {
        const char* name;
        const char* lock; // in the home folder
        Prepare prepare;  // what is made at "d" first
    } cases[] = {
        {"missing folder", "d/program.lock", [](const std::filesystem::path&) {}},
        {"folder in its place", "d",
         [](const std::filesystem::path& at) { std::filesystem::create_directory(at); }},
        {"pipe in its place", "d", [](const std::filesystem::path& at) { ::mkfifo(at.c_str(), 0644); }},
        {"under a regular file", "d/program.lock",
         [](const std::filesystem::path& at) { writeText(at, "x"); }},
    };
    for (const auto& c : cases) {
        TempDataHome home;
        c.prepare(home.path() / "d");
        const auto file = home.path() / c.lock;
        platform::SingleInstanceLock lock(file);
        EXPECT_EQ(lock.getState(), platform::SingleInstanceLock::State::Unavailable) << c.name;
        EXPECT_NE(lock.getError().find(file.string()), std::string::npos)
            << c.name << ": " << lock.getError();
    }
}
