#include "media/SoundStream.h"
#include <gtest/gtest.h>
#include "AudioTestKit.h"
#include "VorbisTestFile.h"
#include "core/FileManager.h"
#include "core/ResourceManager.h"
#include "core/WadWriter.h"
#include "media/Sound.h"

namespace {

constexpr int STREAM_RATE = 22050;
constexpr int STREAM_FRAMES = STREAM_RATE / 2;  // half a second

std::vector<uint8_t> toneOgg() { return encodeVorbis(sineFrames(441.0, STREAM_RATE, STREAM_FRAMES, 2), 2, STREAM_RATE); }

float peakOf(const std::vector<float>& samples, size_t from, size_t to) {
    float top = 0.0f;
    for (size_t i = from; i < to && i < samples.size(); ++i) top = std::max(top, std::fabs(samples[i]));
    return top;
}

}  // namespace

TEST(SoundStream, PlaysLoopedOrOnceAndAVolumeSlideToZeroStopsIt) {
    AudioTestKit kit;
    const WideString path = kit.write("music.ogg", toneOgg());
    SoundStream looped(path, 1), once(path, 0);
    looped.play();
    once.play();
    const std::vector<float> out = kit.render(AudioTestKit::RATE * 2);  // four lengths of the file
    EXPECT_TRUE(looped.isPlaying());
    EXPECT_FALSE(once.isPlaying());
    EXPECT_NEAR(peakOf(out, 0, 20000), 1.0f, 0.1f);              // both playing
    EXPECT_NEAR(peakOf(out, 2 * 60000, 2 * 85000), 0.5f, 0.05f);  // the looped one alone

    looped.setVolume(0.5f, 0.0);
    EXPECT_NEAR(peakOf(kit.render(4410), 0, 8820), 0.25f, 0.03f);
    looped.setVolume(0.0f, 0.1);
    kit.render(AudioTestKit::RATE / 10 - 1);
    EXPECT_TRUE(looped.isPlaying());
    kit.render(2);
    EXPECT_FALSE(looped.isPlaying());
    looped.play();  // at full volume again
    EXPECT_NEAR(peakOf(kit.render(4410), 0, 8820), 0.5f, 0.05f);
    looped.setVolume(0.2f, 0.05);  // a slide to a level above 0 keeps playing
    kit.render(AudioTestKit::RATE);
    EXPECT_TRUE(looped.isPlaying());
    looped.stop();
    EXPECT_FALSE(looped.isPlaying());
}

TEST(VekAudio, CurrentMusicFollowsTheMusicVolumeAndStops) {
    AudioTestKit kit;
    const WideString path = kit.write("music.ogg", toneOgg());
    SoundStream music(path, 1), other(path, 1);
    kit.audio.setGlobalVolume(VolumeGroup::Music, 0);
    kit.audio.setCurrentMusic(&music);
    music.play();
    EXPECT_FLOAT_EQ(peakOf(kit.render(2000), 0, 4000), 0.0f);
    kit.audio.setCurrentMusic(&other);  // the old music now follows the stream volume
    EXPECT_NEAR(peakOf(kit.render(4410), 0, 8820), 0.5f, 0.05f);
    EXPECT_EQ(kit.audio.getCurrentMusic(), &other);
    other.play();
    kit.audio.stopMusic();
    EXPECT_FALSE(other.isPlaying());
    EXPECT_TRUE(music.isPlaying());
    EXPECT_EQ(kit.audio.getCurrentMusic(), nullptr);
    {
        SoundStream brief(path, 1);
        kit.audio.setCurrentMusic(&brief);
    }
    EXPECT_EQ(kit.audio.getCurrentMusic(), nullptr);  // a stream that goes away is no longer the music
}

TEST(SoundStream, ACorruptFileIsReportedAndStaysSilentAndDelayedLoadingReadsOnFirstPlay) {
    AudioTestKit kit;
    std::vector<uint8_t> bytes = toneOgg();
    bytes.resize(100);
    testing::internal::CaptureStderr();
    SoundStream stream(kit.write("broken.ogg", bytes), 1);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("broken.ogg' stays silent: Ogg Vorbis:"), std::string::npos) << log;
    stream.play();
    stream.setVolume(0.0f, 1.0);
    EXPECT_FALSE(stream.isPlaying());

    kit.audio.setDelayedLoad(true);
    const WideString path = kit.write("music.ogg", toneOgg());
    SoundStream late(path, 1);
    std::filesystem::remove(toUtf8(path));  // proves nothing was read before the first play
    EXPECT_EXIT(late.play(), testing::ExitedWithCode(1), "music.ogg");
}

namespace {

class RefusingDevice : public platform::AudioDevice {
public:
    bool open(int, Render) override { return false; }
    void close() override {}
    int getFrequency() const override { return 0; }
    bool isSilent() const override { return false; }
    std::string getError() const override { return "no card"; }
};

}  // namespace

TEST(VekAudio, FallsBackToSilenceAndNeverLogsAnOutputThatDidNotOpen) {
    testing::internal::CaptureStderr();
    VekAudio audio(std::make_unique<RefusingDevice>(), 22050);
    const std::string log = testing::internal::GetCapturedStderr();
    EXPECT_NE(log.find("No sound device (no card); playing silently."), std::string::npos) << log;
    EXPECT_EQ(log.find("Audio output at"), std::string::npos) << log;
    EXPECT_EQ(VekAudio::get(), &audio);
    EXPECT_TRUE(audio.isSilent());
    EXPECT_EQ(audio.getDeviceFrequency(), 22050);
    EXPECT_EQ(audio.getMixer().getOutputFrequency(), 22050);

    testing::internal::CaptureStderr();
    VekAudio off(true);
    const std::string offLog = testing::internal::GetCapturedStderr();
    EXPECT_NE(offLog.find("Audio is off; playing silently."), std::string::npos);
    EXPECT_EQ(offLog.find("Audio output at"), std::string::npos) << offLog;
    EXPECT_TRUE(off.isSilent());
}

TEST(SoundStream, SamplesAndStreamsComeFromTheArchiveAndRegisterByName) {
    AudioTestKit kit;
    WadWriter writer(1);
    WideString error;
    ASSERT_TRUE(writer.addEntry(u"sfx/music.ogg", toneOgg(), error));
    ASSERT_TRUE(writer.addEntry(u"sfx/pop.wav", constantWav(16384, 100), error));
    const WideString archive = fromUtf8((kit.folder.path() / "game.dat").string());
    ASSERT_TRUE(writer.write(archive, error)) << toUtf8(error);
    FileManager files;
    files.useWad(archive);
    ResourceManager resources;
    {
        kit.audio.setDelayedLoad(true);
        SoundStream music(u"sfx/music.ogg", 1);
        Sound pop(u"sfx/pop.wav", 3, 0);
        resources.addResource(u"musicMenuOriginal", &music);
        resources.addResource(u"pop", &pop);
        EXPECT_EQ(resources.find<SoundStream>(u"musicMenuOriginal"), &music);
        resources.find<Sound>(u"pop")->playPitched(1.0f);
        resources.find<SoundStream>(u"musicMenuOriginal")->play();
        EXPECT_TRUE(music.isPlaying());
        EXPECT_EQ(pop.countPlaying(), 1);
        EXPECT_EXIT(Sound(u"sfx/absent.wav", 1, 0), testing::ExitedWithCode(1), "sfx/absent.wav");
    }
    EXPECT_EQ(resources.find(u"pop", false), nullptr);  // a resource that dies leaves the manager
}
