#include "platform/Paths.h"
#include <gtest/gtest.h>
#include "ScopedEnvironment.h"

TEST(Paths, DataHomeIgnoresRelativeFoldersAsIfUnset) {
    std::filesystem::path withoutHome;
    {
        const ScopedEnvironment xdg("XDG_DATA_HOME", nullptr), home("HOME", nullptr);
        withoutHome = platform::dataHome();
    }
    ASSERT_TRUE(withoutHome.is_absolute()) << withoutHome;
    struct Case {
        const char* xdg;  // null: unset
        const char* home; // null: unset
        std::filesystem::path want;
    };
    const Case cases[] = {
        {"/srv/data", "/home/ann", "/srv/data"},
        {"data", "/home/ann", "/home/ann/.local/share"},
        {"", "/home/ann", "/home/ann/.local/share"},
        {"./data", nullptr, withoutHome},
        {nullptr, "ann", withoutHome},
        {nullptr, "./ann", withoutHome},
        {nullptr, "~", withoutHome},
        {nullptr, "", withoutHome},
        {"data", "../ann", withoutHome},
    };
    for (const Case& c : cases) {
        const ScopedEnvironment xdg("XDG_DATA_HOME", c.xdg), home("HOME", c.home);
        EXPECT_EQ(platform::dataHome(), c.want)
            << (c.xdg ? c.xdg : "(unset)") << ", " << (c.home ? c.home : "(unset)");
    }
}
