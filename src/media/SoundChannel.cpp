#include "media/SoundChannel.h"
#include <algorithm>
#include "media/Sound.h"
#include "media/VekAudio.h"

void SoundChannel::setPan(float newPan, double time) {
    const float target = std::clamp(newPan, -1.0f, 1.0f);
    if (isPlaying()) {
        VekAudio::get()->getMixer().setPan(voice, target, time);
        return;
    }
    if (time <= 0.0) pan = target;
    panTarget = target;
    panSlideTime = std::max(time, 0.0);
}

bool SoundChannel::play() {
    if (isPlaying()) return true;
    voice = pSound->start(1.0f, pan);
    if (voice == 0) return false;
    if (panSlideTime > 0.0) VekAudio::get()->getMixer().setPan(voice, panTarget, panSlideTime);
    panSlideTime = 0.0;
    return true;
}

void SoundChannel::stop() {
    if (VekAudio* audio = VekAudio::get()) audio->getMixer().stop(voice);
    voice = 0;
}

bool SoundChannel::isPlaying() const {
    const VekAudio* audio = VekAudio::get();
    return voice != 0 && audio && audio->getMixer().isPlaying(voice);
}
