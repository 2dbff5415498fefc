#include "media/Sound.h"
#include <gtest/gtest.h>
#include <cstring>
#include "AudioTestKit.h"
#include "VorbisTestFile.h"
#include "core/GameRandom.h"
#include "media/SoundChannel.h"

namespace {
constexpr int16_t HALF = 16384;  // 0.5 in the mixer
}

TEST(Sound, PlayDrawsOnceFromTheSharedGeneratorEvenWhenRefusedAndVariesThePitchSlightly) {
    AudioTestKit kit;
    const std::vector<float> sine = sineFrames(1000.0, AudioTestKit::RATE, AudioTestKit::RATE);
    std::vector<uint8_t> file = constantWav(0, static_cast<int>(sine.size()));
    for (std::size_t i = 0; i < sine.size(); ++i) {
        const auto v = static_cast<uint16_t>(static_cast<int16_t>(sine[i] * 32767));
        std::memcpy(&file[44 + 2 * i], &v, 2);
    }
    Sound sound(kit.write("sine.wav", file), 1, 0);
    GameRandom expected;
    for (uint32_t seed : {7u, 42u, 42u}) {  // the second and third starts hit the playback limit
        gameRandom.setSeed(seed);
        expected.setSeed(seed);
        expected.next();
        sound.play();
        EXPECT_EQ(gameRandom.getState(), expected.getState());
    }
    EXPECT_EQ(sound.countPlaying(), 1);
    sound.playPitched(2.0f);
    EXPECT_EQ(gameRandom.getState(), expected.getState());  // a chosen pitch draws nothing
    const std::vector<float> out = kit.render(AudioTestKit::RATE / 2);
    int crossings = 0;
    for (size_t i = 2; i < out.size(); i += 2) crossings += (out[i - 2] < 0) != (out[i] < 0);
    EXPECT_NEAR(crossings, 1000.0, 55.0);
    EXPECT_GT(std::abs(crossings - 1000), 1);  // seed 7 draws a factor away from 1
}

TEST(Sound, PlaybackLimitAndReplayIntervalRefuseExtraStarts) {
    AudioTestKit kit;
    Sound limited(kit.write("a.wav", constantWav(HALF, 1000)), 2, 0);
    EXPECT_NE(limited.start(1.0f, 0.0f), 0u);
    EXPECT_NE(limited.start(1.0f, 0.0f), 0u);
    EXPECT_EQ(limited.start(1.0f, 0.0f), 0u);
    EXPECT_FLOAT_EQ(kit.render(10)[0], 1.0f);  // two voices of 0.5, not three
    kit.render(1000);                          // both end
    EXPECT_EQ(limited.countPlaying(), 0);
    EXPECT_NE(limited.start(1.0f, 0.0f), 0u);

    Sound pop(kit.write("pop.wav", constantWav(HALF, 10)), 3, 0);
    pop.setMinReplayInterval(0.025);
    const struct {
        double time;
        bool bStarts;
    } steps[] = {{0.0, true}, {0.01, false}, {0.024, false}, {0.025, true}, {0.03, false}, {0.06, true}};
    for (const auto& step : steps) {
        kit.clock = 100.0 + step.time;
        EXPECT_EQ(pop.start(1.0f, 0.0f) != 0, step.bStarts) << step.time;
    }
    EXPECT_DOUBLE_EQ(pop.getLastStartTime(), 100.06);
}

TEST(Sound, LoopedSampleLoopsUntilDeletedAndDelayedLoadingReadsOnFirstUse) {
    AudioTestKit kit;
    auto sound = std::make_unique<Sound>(kit.write("motor.wav", constantWav(HALF, 100)), 2, 1);
    EXPECT_TRUE(sound->isLooped());
    sound->play();
    EXPECT_NEAR(kit.render(1000)[1998], 0.5f, 1e-5f);  // play() varies the pitch: converted, not copied
    sound.reset();  // a sample going away silences its voices within a few milliseconds
    EXPECT_FLOAT_EQ(kit.render(441)[880], 0.0f);

    kit.audio.setDelayedLoad(true);
    Sound late(kit.write("late.wav", constantWav(HALF, 100)), 1, 0);
    EXPECT_FALSE(late.isLoaded());
    late.playPitched(1.0f);
    EXPECT_TRUE(late.isLoaded());
    EXPECT_FLOAT_EQ(kit.render(1)[0], 0.5f);
}

TEST(SoundChannel, PlaysOnceReleasesWithoutStoppingAndSlidesItsPanFromTheStart) {
    AudioTestKit kit;
    Sound sound(kit.write("a.wav", constantWav(HALF, 1000)), 1, 0);
    {
        SoundChannel channel(sound);
        channel.setPan(-1.0f, 0.0);
        EXPECT_TRUE(channel.play());
        EXPECT_TRUE(channel.play());  // already playing: no second voice
    }  // released: a started voice plays on
    std::vector<float> out = kit.render(10);
    EXPECT_FLOAT_EQ(out[0], 0.5f);
    EXPECT_FLOAT_EQ(out[1], 0.0f);
    SoundChannel refused(sound);  // the limit of one is taken
    EXPECT_FALSE(refused.play());
    EXPECT_FALSE(refused.isPlaying());
    EXPECT_EQ(sound.countPlaying(), 1);

    kit.render(1000);  // the first sound ends
    Sound looped(kit.write("b.wav", constantWav(HALF, AudioTestKit::RATE)), 2, 1);
    SoundChannel early(looped);
    early.setPan(-1.0f, 0.0);
    early.setPan(1.0f, 0.01);  // slides once the voice starts
    ASSERT_TRUE(early.play());
    EXPECT_FLOAT_EQ(kit.render(441)[1], 0.0f);
    EXPECT_FLOAT_EQ(kit.render(1)[0], 0.0f);
    early.setPan(-1.0f, 0.0);
    EXPECT_FLOAT_EQ(kit.render(1)[1], 0.0f);
    early.stop();
    EXPECT_FALSE(early.isPlaying());
    EXPECT_FLOAT_EQ(kit.render(441)[880], 0.0f);
}

TEST(Sound, OggSampleDecodesAtLoad) {
    AudioTestKit kit;
    Sound sound(kit.write("tone.ogg", encodeVorbis(sineFrames(500.0, 22050, 22050, 2), 2, 22050)), 1, 0);
    sound.playPitched(1.0f);
    const std::vector<float> out = kit.render(4410);
    float peak = 0.0f;
    for (const float v : out) peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, 0.5f, 0.05f);
}

TEST(Sound, UndecodableFileIsReportedAndStaysSilent) {
    AudioTestKit kit;
    std::vector<uint8_t> corruptOgg = encodeVorbis(sineFrames(500.0, 22050, 2205), 1, 22050);
    corruptOgg.resize(40);
    const struct {
        const char* file;
        std::vector<uint8_t> bytes;
        const char* reason;
    } cases[] = {{"bad.ogg", corruptOgg, "stays silent: Ogg Vorbis:"},
                 {"bad.wav", {'R', 'I', 'F', 'F', 1, 0, 0, 0, 'W', 'A', 'V', 'E'}, "stays silent: WAV: no format chunk"},
                 {"bad.mp3", {'I', 'D', '3', 4}, "neither a WAV nor an Ogg Vorbis file"}};
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        Sound sound(kit.write(c.file, c.bytes), 1, 0);
        const std::string log = testing::internal::GetCapturedStderr();
        EXPECT_NE(log.find(c.reason), std::string::npos) << log;
        EXPECT_NE(log.find(c.file), std::string::npos) << log;
        sound.play();
        EXPECT_EQ(sound.countPlaying(), 0);
    }
}

TEST(Sound, MissingFileIsFatal) {
    AudioTestKit kit;
    const WideString path = fromUtf8((kit.folder.path() / "nothing.ogg").string());
    EXPECT_EXIT(Sound(path, 1, 0), testing::ExitedWithCode(1), "nothing.ogg");
    kit.audio.setDelayedLoad(true);
    EXPECT_EXIT(Sound(path, 1, 0), testing::ExitedWithCode(1), "nothing.ogg");
}
