#include "media/VekAudio.h"
#include <gtest/gtest.h>
#include "TempDataHome.h"
#include "core/StringUtil.h"
#include "core/UserSettings.h"

TEST(VekAudio, AFrequencySettingNoOutputPlaysFallsBackToTheDefault) {
    TempDataHome home;
    const std::pair<const char16_t*, bool> cases[] = {
        {u"-44100", false}, {u"0", false},     {u"1", false},     {u"100", false},
        {u"1000", false},   {u"11024", false}, {u"48001", false}, {u"2147483647", false},
        {u"11025", true},   {u"22050", true},  {u"48000", true}};
    for (const auto& [text, bPlayable] : cases) {
        UserSettings settings;
        settings.setString(VekAudio::SETTINGS_SECTION, u"frequency", text);
        testing::internal::CaptureStderr();
        const int frequency = VekAudio::readSettings(settings).frequency;
        const std::string log = testing::internal::GetCapturedStderr();
        const std::string fallback =
            "Setting VekAudio/frequency '" + toUtf8(text) + "' lies outside 11025 to 48000; using 44100.";
        EXPECT_EQ(frequency, bPlayable ? std::stoi(toUtf8(text)) : VekAudio::DEFAULT_FREQUENCY)
            << toUtf8(text);
        EXPECT_EQ(log.find(fallback) != std::string::npos, !bPlayable) << log;
        // A mended setting is what the next save writes.
        EXPECT_EQ(settings.getString(VekAudio::SETTINGS_SECTION, u"frequency", u""),
                  bPlayable ? WideString(text) : u"44100");
    }
}
