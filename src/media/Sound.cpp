#include "media/Sound.h"
#include <algorithm>
#include "core/FileManager.h"
#include "core/GameRandom.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "media/AudioFiles.h"
#include "media/SampleDecoder.h"
#include "media/VekAudio.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Sound, VekBase, u"Sound")

namespace {
/// Sound::play varies the frequency by up to this fraction either way.
constexpr double PITCH_VARIATION = 0.05;
}  // namespace

Sound::Sound(const WideString& soundPath, int playbacks, int loop)
    : path(soundPath), maxPlaybacks(std::max(playbacks, 1)), bLoop((loop & 1) != 0) {
    const VekAudio* audio = VekAudio::get();
    if (audio && audio->isDelayedLoad()) verifyAudioFile(path);
    else load();
}

Sound::~Sound() {
    if (VekAudio* audio = VekAudio::get())
        for (const VoiceId voice : voices) audio->getMixer().stop(voice);
}

void Sound::load() {
    bLoaded = true;
    auto decoded = std::make_shared<PcmData>();
    std::string error;
    if (decodeSample(readAudioFile(path), *decoded, error)) pcm = std::move(decoded);
    else
        VEK_LOG(u"Sound %s stays silent: %s", FileManager::describeFile(path), fromUtf8(error));
}

void Sound::play() {
    const double factor = 1.0 + (gameRandom.fraction() * 2.0 - 1.0) * PITCH_VARIATION;
    start(static_cast<float>(factor), 0.0f);
}

void Sound::playPitched(float factor) { start(factor, 0.0f); }

int Sound::countPlaying() {
    VekAudio* audio = VekAudio::get();
    std::erase_if(voices, [audio](VoiceId voice) { return !audio || !audio->getMixer().isPlaying(voice); });
    return static_cast<int>(voices.size());
}

VoiceId Sound::start(float pitch, float pan) {
    VekAudio* audio = VekAudio::get();
    if (!audio) return 0;
    const double now = audio->now();
    if (now - lastStartTime < minReplayInterval || countPlaying() >= maxPlaybacks) return 0;
    if (!bLoaded) load();
    if (!pcm) return 0;
    const VoiceId voice = audio->getMixer().playSample(pcm, {.pitch = pitch, .pan = pan, .bLoop = bLoop});
    if (voice == 0) return 0;
    voices.push_back(voice);
    lastStartTime = now;
    return voice;
}
