#include "media/VekAudio.h"
#include <gtest/gtest.h>
#include <atomic>
#include <cmath>
#include <regex>
#include <thread>
#include "TempDataHome.h"
#include "core/StringUtil.h"
#include "core/UserSettings.h"
#include "platform/AudioDevice.h"

namespace {

/// An output that opens at whatever rate it is asked for and counts its openings.
class CountingDevice : public platform::AudioDevice {
  public:
    explicit CountingDevice(int& opens) : opens(opens) {}
    bool open(int wanted, Render) override {
        ++opens;
        frequency = wanted;
        return true;
    }
    void close() override { frequency = 0; }
    int getFrequency() const override { return frequency; }
    bool isSilent() const override { return false; }
    std::string getError() const override { return {}; }

  private:
    int& opens;
    int frequency = 0;
};

/// An output heard by someone that renders on a thread of its own, as a sound card's does, and
/// keeps all it rendered.
class RecordingDevice : public platform::AudioDevice {
  public:
    explicit RecordingDevice(std::vector<float>& heard) : heard(heard) {}
    ~RecordingDevice() override { close(); }
    bool open(int wanted, Render render) override {
        frequency = wanted;
        card = std::thread([this, render] {
            std::vector<float> buffer(2 * 64);
            while (!bClosing) {
                render(buffer.data(), 64);
                heard.insert(heard.end(), buffer.begin(), buffer.end());
                renderedFrames += 64;
            }
        });
        return true;
    }
    void close() override {
        bClosing = true;
        if (card.joinable()) card.join();
    }
    int getFrequency() const override { return frequency; }
    bool isSilent() const override { return false; }
    std::string getError() const override { return {}; }

  private:
    std::vector<float>& heard;
    std::thread card;
    std::atomic<bool> bClosing = false;
    int frequency = 0;

  public:
    std::atomic<size_t> renderedFrames = 0;
};

/// The log lines that say an output opened.
int countOpenedLines(const std::string& log) {
    const std::regex opened("Audio output at -?[0-9]+ Hz\\.\n");
    return static_cast<int>(
        std::distance(std::sregex_iterator(log.begin(), log.end(), opened), std::sregex_iterator()));
}

}  // namespace

TEST(VekAudio, AFrequencySettingNoOutputPlaysFallsBackToTheDefault) {
    TempDataHome home;
    const std::pair<const char16_t*, bool> cases[] = {
        {u"-44100", false}, {u"0", false},     {u"1", false},     {u"100", false},
        {u"1000", false},   {u"11024", false}, {u"48001", false}, {u"2147483647", false},
        {u"11025", true},   {u"22050", true},  {u"44100", true},   {u"48000", true}};
    for (const auto& [text, bPlayable] : cases) {
        UserSettings settings;
        settings.setString(VekAudio::SETTINGS_SECTION, u"frequency", text);
        testing::internal::CaptureStderr();
        const int frequency = VekAudio::readSettings(settings).frequency;
        const std::string log = testing::internal::GetCapturedStderr();
        const std::string fallback =
            "Setting VekAudio/frequency '" + toUtf8(text) + "' lies outside 11025 to 48000; using 22050.";
        EXPECT_EQ(frequency, bPlayable ? std::stoi(toUtf8(text)) : VekAudio::DEFAULT_FREQUENCY)
            << toUtf8(text);
        EXPECT_EQ(log.find(fallback) != std::string::npos, !bPlayable) << log;
        // A mended setting is what the next save writes.
        EXPECT_EQ(settings.getString(VekAudio::SETTINGS_SECTION, u"frequency", u""),
                  bPlayable ? WideString(text) : u"22050");
    }
}

TEST(VekAudio, OpensItsOutputOnceAndANewFrequencyWaitsForTheNextStart) {
    TempDataHome home;
    UserSettings settings;
    settings.setInt(VekAudio::SETTINGS_SECTION, u"frequency", 11025);
    int opens = 0;
    {
        testing::internal::CaptureStderr();
        VekAudio audio(std::make_unique<CountingDevice>(opens), VekAudio::readSettings(settings).frequency,
                       &settings);
        for (const int frequency : {44100, 11025, 22050})
            audio.setOutputFrequency(frequency);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_EQ(opens, 1);
        EXPECT_EQ(countOpenedLines(log), 1) << log;
        EXPECT_EQ(audio.getDeviceFrequency(), 11025);
        EXPECT_EQ(audio.getMixer().getOutputFrequency(), 11025);
        EXPECT_EQ(audio.getOutputFrequency(), 22050);
    }
    VekAudio next(std::make_unique<CountingDevice>(opens), VekAudio::readSettings(settings).frequency,
                  &settings);
    EXPECT_EQ(opens, 2);
    EXPECT_EQ(next.getDeviceFrequency(), 22050);
}

TEST(VekAudio, ClosingLetsEveryVoiceFallSilentInsteadOfCuttingIt) {
    TempDataHome home;
    // A loud constant and a looping music stream's worth of level: any cut is a step of 0.5.
    auto level = std::make_shared<PcmData>(PcmData{44100, 1, std::vector<float>(4410, 0.5f)});
    std::vector<float> heard;
    {
        auto device = std::make_unique<RecordingDevice>(heard);
        const std::atomic<size_t>& rendered = device->renderedFrames;
        VekAudio audio(std::move(device), 44100, nullptr);
        VoiceSettings settings;
        settings.bLoop = true;
        ASSERT_NE(audio.getMixer().playSample(level, settings), 0u);
        while (rendered < 4410) std::this_thread::yield();
    }
    ASSERT_GE(heard.size(), 2u * 4410);
    // From the first frame at full level on: the voice's own start is a step, its end must not be.
    size_t i = 0;
    while (i < heard.size() && heard[i] < 0.49f) i += 2;
    ASSERT_LT(i, heard.size()) << "the voice was never heard";
    float largestStep = 0.0f;
    for (i += 2; i < heard.size(); i += 2) largestStep = std::max(largestStep, std::fabs(heard[i] - heard[i - 2]));
    EXPECT_LT(std::fabs(heard[heard.size() - 2]), 0.01f) << "the output closed while a voice sounded";
    EXPECT_LT(largestStep, 0.05f) << "the voice was cut";
}
