#include "core/SystemLanguage.h"
#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include "ScopedEnvironment.h"

TEST(SystemLanguage, TakesTheLanguagePartOfTheFirstSetLocaleVariable) {
    const std::pair<const char*, const char16_t*> locales[] = {
        {"fr_FR.UTF-8", u"fr"}, {"de_DE@euro", u"de"}, {"ja_JP.eucJP", u"ja"}, {"en", u"en"},   {"PT_br", u"pt"},
        {"haw_US", u"haw"},     {"C", u""},            {"POSIX", u""},         {"C.UTF-8", u""}, {"", u""},
        {"e_US", u""},          {"1234", u""},         {"en-US", u""},         {"../../x", u""},
    };
    for (const auto& [locale, code] : locales) EXPECT_EQ(languageCodeOfLocale(locale), code) << locale;
    struct Case {
        const char* all;
        const char* messages;
        const char* lang;
        const char16_t* code;
    };
    const Case cases[] = {
        {"ko_KR.UTF-8", "ja_JP", "fr_FR", u"ko"}, {"", "ja_JP", "fr_FR", u"ja"}, {nullptr, nullptr, "it_IT", u"it"},
        {nullptr, nullptr, nullptr, u""},         {"C", "ja_JP", "fr_FR", u""},
    };
    for (const Case& each : cases) {
        const ScopedEnvironment all("LC_ALL", each.all);
        const ScopedEnvironment messages("LC_MESSAGES", each.messages);
        const ScopedEnvironment lang("LANG", each.lang);
        EXPECT_EQ(getSystemLanguageCode(), each.code);
    }
}
