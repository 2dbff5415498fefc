#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "core/Resource.h"
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/AudioMixer.h"

/// A music stream: the Ogg Vorbis file is held in memory and decoded while it plays. Main
/// thread only.
class SoundStream : public VekBase, public Resource {
    VEK_REGISTERED_CLASS()

    /// Reads `path` now, or with delayed loading only checks that it exists. A missing file is
    /// fatal; one that does not decode is logged and the stream stays silent. Bit 0 of `flags`
    /// loops it.
    SoundStream(const WideString& path, int flags);
    /// Stops it, and stops being the current music.
    ~SoundStream() override;

    /// From the start at full volume; a stream already playing keeps its place but any
    /// slide is cancelled and the volume is full again.
    void play();
    void stop();
    /// Slides the volume (0 to 1) over `time` seconds (0: at once); a slide to 0 stops the
    /// stream when it ends.
    void setVolume(float volume, double time);
    bool isPlaying() const;
    bool isLooped() const { return bLoop; }
    /// The mixer voice while it plays; 0 otherwise.
    VoiceId getVoice() const { return voice; }

private:
    void load();

    WideString path;
    bool bLoop;
    bool bLoaded = false;
    std::shared_ptr<const std::vector<uint8_t>> bytes;  // null when the file did not decode
    VoiceId voice = 0;
};
