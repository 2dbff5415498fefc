#include "media/SoundStream.h"
#include "core/FileManager.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "media/AudioFiles.h"
#include "media/VekAudio.h"
#include "media/VorbisSource.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(SoundStream, VekBase, u"SoundStream")

SoundStream::SoundStream(const WideString& streamPath, int flags) : path(streamPath), bLoop((flags & 1) != 0) {
    const VekAudio* audio = VekAudio::get();
    if (audio && audio->isDelayedLoad()) verifyAudioFile(path);
    else load();
}

SoundStream::~SoundStream() {
    stop();
    if (VekAudio* audio = VekAudio::get(); audio && audio->getCurrentMusic() == this) audio->setCurrentMusic(nullptr);
}

void SoundStream::load() {
    bLoaded = true;
    auto data = readAudioFile(path);
    const platform::VorbisDecoder probe(data);
    if (probe.isOpen()) bytes = std::move(data);
    else
        VEK_LOG(u"Music stream %s stays silent: Ogg Vorbis: %s", FileManager::describeFile(path),
                fromUtf8(probe.getError()));
}

void SoundStream::play() {
    VekAudio* audio = VekAudio::get();
    if (!audio) return;
    if (isPlaying()) {
        audio->getMixer().setVolume(voice, 1.0f, 0.0, false);
        return;
    }
    if (!bLoaded) load();
    if (!bytes) return;
    const VolumeGroup group = audio->getCurrentMusic() == this ? VolumeGroup::Music : VolumeGroup::Stream;
    voice = audio->getMixer().playStream(std::make_unique<VorbisSource>(bytes), {.bLoop = bLoop, .group = group});
}

void SoundStream::stop() {
    if (VekAudio* audio = VekAudio::get()) audio->getMixer().stop(voice);
    voice = 0;
}

void SoundStream::setVolume(float volume, double time) {
    if (VekAudio* audio = VekAudio::get()) audio->getMixer().setVolume(voice, volume, time, volume <= 0.0f);
}

bool SoundStream::isPlaying() const {
    const VekAudio* audio = VekAudio::get();
    return voice != 0 && audio && audio->getMixer().isPlaying(voice);
}
