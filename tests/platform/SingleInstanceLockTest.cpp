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
    // What stands at "d" first (nothing, a folder, a pipe, a file), and the lock's path there.
    const std::pair<int, const char*> cases[] = {
        {0, "d/program.lock"}, {1, "d"}, {2, "d"}, {3, "d/program.lock"}};
    for (const auto& [made, lock] : cases) {
        TempDataHome home;
        const auto at = home.path() / "d", file = home.path() / lock;
        if (made == 1) std::filesystem::create_directory(at);
        if (made == 2) ::mkfifo(at.c_str(), 0644);
        if (made == 3) writeText(at, "x");
        const platform::SingleInstanceLock held(file);
        EXPECT_EQ(held.getState(), platform::SingleInstanceLock::State::Unavailable) << made;
        EXPECT_NE(held.getError().find(file.string()), std::string::npos) << held.getError();
    }
}
