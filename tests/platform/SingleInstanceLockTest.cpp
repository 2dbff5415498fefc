#include "platform/SingleInstanceLock.h"
#include <gtest/gtest.h>
#include "TempDataHome.h"

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstIsGone) {
    TempDataHome home;
    const auto file = home.path() / "program.lock";
    {
        platform::SingleInstanceLock first(file);
        ASSERT_TRUE(first.isHeld());
        platform::SingleInstanceLock second(file);
        EXPECT_FALSE(second.isHeld());
    }
    platform::SingleInstanceLock later(file);
    EXPECT_TRUE(later.isHeld());
}

TEST(SingleInstanceLock, UnopenableFileIsNotHeld) {
    TempDataHome home;
    platform::SingleInstanceLock lock(home.path() / "missing-folder" / "program.lock");
    EXPECT_FALSE(lock.isHeld());
}
