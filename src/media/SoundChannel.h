#pragma once
#include "media/AudioMixer.h"

class Sound;

/// One voice of a sample, set up before it starts. Releasing the channel never cuts a voice
/// that started (it plays on); a channel that never started leaves nothing behind. Main
/// thread only.
class SoundChannel {
public:
    explicit SoundChannel(Sound& sound) : pSound(&sound) {}

    /// Pan -1 (left) to 1 (right): `time` 0 sets it at once, else it slides over `time`
    /// seconds (from the start, when the voice has not started yet).
    void setPan(float pan, double time);
    /// Starts the voice unless it is playing already; refused (false) within the sample's
    /// minimum replay interval or at its playback limit.
    bool play();
    /// Stops the voice at once.
    void stop();
    bool isPlaying() const;

private:
    Sound* pSound;
    VoiceId voice = 0;
    float pan = 0.0f;
    float panTarget = 0.0f;
    double panSlideTime = 0.0;
};
