#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "TempDataHome.h"
#include "core/AppEnvironment.h"
#include "core/SettingsValue.h"
#include "core/StaticSettings.h"
#include "core/StringUtil.h"
#include "core/UserSettings.h"

TEST(SettingsValue, ParsesOnlyWholeNumbersAndTruthValues) {
    const std::pair<const char16_t*, std::optional<int>> ints[] = {
        {u"0", 0}, {u"-2", -2}, {u"+7", 7}, {u"2147483647", 2147483647}, {u"-2147483648", -2147483647 - 1},
        {u"2147483648", std::nullopt}, {u"99999999999999999999", std::nullopt}, {u"", std::nullopt},
        {u"-", std::nullopt}, {u"1.5", std::nullopt}, {u"12a", std::nullopt}, {u" 1", std::nullopt}};
    for (const auto& [text, expected] : ints) EXPECT_EQ(parseSettingInt(text), expected) << toUtf8(text);
    const std::pair<const char16_t*, std::optional<bool>> bools[] = {{u"1", true},    {u"0", false},
                                                                     {u"TRUE", true}, {u"false", false},
                                                                     {u"2", true},    {u"yes", std::nullopt}};
    for (const auto& [text, expected] : bools) EXPECT_EQ(parseSettingBool(text), expected) << toUtf8(text);
}

TEST(StaticSettings, ReadsTheRequiredKeysAndTheShippedFileIsBesideTheProgram) {
    TempDataHome home;
    writeText(home.path() / "static.ini", "[Language]\r\nsingleLanguage=3\r\nlanguageMask=10110001\r\n"
                                          "[Edition]\r\n[Graphics]\r\nhq2x=2\r\n"
                                          "[Online]\r\nhost=https://example.test:8080/\r\n");
    const StaticSettings settings(fromUtf8((home.path() / "static.ini").string()));
    EXPECT_EQ(settings.singleLanguage, 3);
    EXPECT_EQ(settings.languageMask, u"10110001");
    EXPECT_EQ(settings.hq2x, 2);
    EXPECT_EQ(settings.webHost, u"https://example.test:8080"); // no "/" before a page's path
    const StaticSettings shipped;
    EXPECT_EQ(shipped.singleLanguage, -1);
    EXPECT_EQ(shipped.languageMask, u"");
    EXPECT_EQ(shipped.hq2x, 1);
    EXPECT_EQ(shipped.webHost, u"http://127.0.0.1:9");
}

TEST(StaticSettingsDeathTest, AMissingFileOrKeyIsFatal) {
    TempDataHome home;
    const std::string missing = (home.path() / "none.ini").string();
    EXPECT_EXIT(StaticSettings(fromUtf8(missing)), testing::ExitedWithCode(1),
                literalPattern("Error: File " + missing + " verification failed (errno 2:"));
    const std::pair<std::string, std::string> cases[] = {
        {"[Language]\nlanguageMask=\n[Graphics]\nhq2x=1\n",
         "Key 'singleLanguage' could not be found in section 'Language'."},
        {"[Language]\nsingleLanguage=-1\n[Graphics]\nhq2x=1\n",
         "Key 'languageMask' could not be found in section 'Language'."},
        {"[Language]\nsingleLanguage=-1\nlanguageMask=\nhq2x=1\n",
         "Key 'hq2x' could not be found in section 'Graphics'."},
        {"[Language]\nsingleLanguage=one\nlanguageMask=\n[Graphics]\nhq2x=1\n",
         "Key 'singleLanguage' in section 'Language' is not a whole number: 'one'."},
        {"[Language]\nsingleLanguage=-1\nlanguageMask=\n[Graphics]\nhq2x=1\n",
         "Key 'host' could not be found in section 'Online'."},
        {"[Language]\nsingleLanguage=-1\nlanguageMask=\n[Graphics]\nhq2x=1\n[Online]\nhost=ftp://x\n",
         "Key 'host' in section 'Online' is not a web address: 'ftp://x'."},
    };
    const std::string path = (home.path() / "static.ini").string();
    for (const auto& [text, message] : cases) {
        writeText(path, text);
        EXPECT_EXIT(StaticSettings(fromUtf8(path)), testing::ExitedWithCode(1),
                    literalPattern("Error: " + message + "\n Settings file: " + path +
                                   "\n Function: StaticSettings::"));
    }
}

TEST(UserSettings, WritesMissingKeysWithTheirDefaultsBack) {
    TempDataHome home;
    UserSettings settings;
    EXPECT_EQ(settings.getPath(), getUserFilesFolder() + u"/ZV2rmBrumedemo.ini");
    EXPECT_EQ(settings.getInt(u"Vek", u"defaultLanguage", -2), -2);
    EXPECT_TRUE(settings.getBool(u"Vek", u"bEnableDelayedLoad", true));
    EXPECT_EQ(settings.getString(u"VekInput", u"layout", u"qwerty"), u"qwerty");
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(readText(toUtf8(settings.getPath())),
              "[Vek]\ndefaultLanguage=-2\nbEnableDelayedLoad=1\n\n[VekInput]\nlayout=qwerty\n");

    UserSettings again;
    EXPECT_EQ(again.getInt(u"Vek", u"defaultLanguage", 5), -2);  // the stored value, not the new default
    EXPECT_TRUE(again.getBool(u"Vek", u"bEnableDelayedLoad", false));
}

TEST(UserSettings, KeepsStoredValuesAndRepairsBadOnes) {
    TempDataHome home;
    writeText(
        toUtf8(UserSettings::defaultPath()),
        "[Vek]\r\ndefaultLanguage=3\r\nbEnableDelayedLoad=maybe\r\nfps=fast\r\n[Other]\r\nkept=yes\r\n");
    UserSettings settings;
    EXPECT_EQ(settings.getInt(u"Vek", u"defaultLanguage", -2), 3);
    EXPECT_TRUE(settings.getBool(u"Vek", u"bEnableDelayedLoad", true));
    EXPECT_EQ(settings.getInt(u"Vek", u"fps", 30), 30);
    settings.setInt(u"Vek", u"defaultLanguage", 6);
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(readText(toUtf8(settings.getPath())),
              "[Vek]\ndefaultLanguage=6\nbEnableDelayedLoad=1\nfps=30\n\n[Other]\nkept=yes\n");
}

TEST(UserSettings, AFailedSaveIsReported) {
    TempDataHome home;
    UserSettings settings(fromUtf8((home.path() / "no-folder" / "user.ini").string()));
    settings.setInt(u"Vek", u"x", 2);
    EXPECT_FALSE(settings.save());
    // A folder in the way of the file: the rename fails, the temporary file goes.
    std::filesystem::create_directory(home.path() / "taken.ini");
    std::filesystem::create_directory(home.path() / "taken.ini" / "inside");
    UserSettings blocked(fromUtf8((home.path() / "taken.ini").string()));
    EXPECT_FALSE(blocked.save());
    EXPECT_FALSE(std::filesystem::exists(home.path() / "taken.ini.tmp"));
}
