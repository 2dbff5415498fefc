#pragma once
#include <limits>
#include <memory>
#include <vector>
#include "core/Resource.h"
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/AudioMixer.h"

/// A sound sample: decoded once into the mixer's format, played by at most `maxPlaybacks`
/// voices at once, and started no sooner than its minimum replay interval after the last
/// start. Main thread only.
class Sound : public VekBase, public Resource {
    VEK_REGISTERED_CLASS()

    /// Loads `path` now, or with delayed loading only checks that it exists. A missing file is
    /// fatal; a file that does not decode is logged and the sample stays silent. Bit 0 of
    /// `loop` loops the sample.
    Sound(const WideString& path, int maxPlaybacks, int loop);
    /// Stops the voices still playing it.
    ~Sound() override;

    /// Plays once, centred, at a frequency varied a little by one draw of `gameRandom`. The
    /// draw happens whether or not anything is heard, so silent and sounding runs agree.
    void play();
    /// Plays once at `factor` times the frequency.
    void playPitched(float factor);

    /// Starts one voice when the replay interval and the playback limit allow, and records
    /// the start; 0 when refused.
    VoiceId start(float pitch, float pan);

    void setMinReplayInterval(double seconds) { minReplayInterval = seconds; }
    double getMinReplayInterval() const { return minReplayInterval; }
    double getLastStartTime() const { return lastStartTime; }
    int getMaxPlaybacks() const { return maxPlaybacks; }
    bool isLooped() const { return bLoop; }
    bool isLoaded() const { return bLoaded; }
    /// Voices of this sample playing now.
    int countPlaying();

private:
    void load();

    WideString path;
    int maxPlaybacks;
    bool bLoop;
    double minReplayInterval = 0.0;
    double lastStartTime = -std::numeric_limits<double>::infinity();
    bool bLoaded = false;
    std::shared_ptr<const PcmData> pcm;  // null when the file did not decode
    std::vector<VoiceId> voices;
};
