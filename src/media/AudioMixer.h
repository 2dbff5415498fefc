#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>
#include "media/OutputLimiter.h"
#include "media/PcmData.h"

class PcmSource;

/// Which global volume scales a voice.
enum class VolumeGroup { Sample, Stream, Music };
constexpr int VOLUME_GROUPS = 3;
/// Global volumes run from 0 (silent) to this (full).
constexpr int MAX_GLOBAL_VOLUME = 10000;

/// A playing voice; 0 is none. Ids are never reused, so a stale one is harmless.
using VoiceId = uint32_t;

/// Out-of-range values are limited (pitch to 0..16, pan and volume to their ranges); NaN
/// gives pitch 1, pan 0 and volume 0. A pitch so low that one frame of the voice would last
/// over 256 output frames plays at that slowest speed.
struct VoiceSettings {
    float pitch = 1.0f;  // frequency factor
    float pan = 0.0f;    // -1 left .. 1 right
    float volume = 1.0f;
    bool bLoop = false;
    VolumeGroup group = VolumeGroup::Sample;
};

/// Mixes the playing voices into stereo float frames: band-limited resampling (pitch and the
/// source's own frequency; what would lie above the output's Nyquist frequency is filtered out
/// rather than folded down as an alias), balance pan, voice and global volumes, linear slides;
/// the sum goes through an output limiter, so loud moments keep their shape instead of clipping.
/// Thread contract: the game's calls may come from any thread while one audio thread renders,
/// and never wait for a render. A voice and its buffers and converter are made by the call that
/// starts it, then handed over; changes to it are handed over as commands that the next render
/// applies; the render mixes the voices it owns without any lock, reads streams (only the frames
/// of the buffer it fills; nothing in it touches files), says when a voice has ended, and
/// neither allocates nor frees: the game's next start of a voice frees those the render is done
/// with. A voice keeps the way it started in: one started at the output's own rate and pitch 1
/// plays frame for frame even if the output's rate changes later (it is set before anything
/// plays).
class AudioMixer {
public:
    explicit AudioMixer(int outputFrequency);
    ~AudioMixer();
    AudioMixer(const AudioMixer&) = delete;
    AudioMixer& operator=(const AudioMixer&) = delete;

    void setOutputFrequency(int frequency);
    int getOutputFrequency() const;

    /// 0 (nothing plays) for data the mixer cannot play, or when no converter could be made.
    VoiceId playSample(std::shared_ptr<const PcmData> pcm, const VoiceSettings& settings);
    VoiceId playStream(std::unique_ptr<PcmSource> source, const VoiceSettings& settings);
    bool isPlaying(VoiceId voice) const;
    int countPlaying() const;
    /// The voice no longer plays from here on; its sound falls to silence within a few
    /// milliseconds rather than at once, so the cut makes no click.
    void stop(VoiceId voice);
    /// Stops every playing voice as `stop` does.
    void stopAll();
    /// Whether the render has let go of every voice: each stopped one has fallen silent.
    bool hasLetGoOfAll() const;
    /// `seconds` 0 sets the pan at once; more slides it there linearly.
    void setPan(VoiceId voice, float pan, double seconds);
    /// Sets or slides the volume (0 to 1) like the pan; with `bStopAtEnd` the voice stops
    /// when the slide is over.
    void setVolume(VoiceId voice, float volume, double seconds, bool bStopAtEnd);
    void setGroup(VoiceId voice, VolumeGroup group);
    /// Clamped to 0 .. MAX_GLOBAL_VOLUME.
    void setGlobalVolume(VolumeGroup group, int volume);
    int getGlobalVolume(VolumeGroup group) const;

    /// Audio thread (one at a time): overwrites `frames` stereo frames of `out` with the mix,
    /// limited to within -1..1; voices that end or were stopped are handed back to be freed.
    void render(float* out, int frames);

private:
    struct Voice;
    struct Command;

    /// Game side: the voice `id` while it plays, else null.
    Voice* findPlaying(VoiceId id) const;
    VoiceId add(std::unique_ptr<Voice> voice, const VoiceSettings& settings);
    /// Game side: frees the voices that the render is done with.
    void freeReleased();
    void handOver(const Command& command);

    /// Audio side.
    void applyHandedOver();
    void apply(const Command& command);
    Voice* findRendered(VoiceId id) const;
    void releaseEnded();

    /// Held by the game's calls only, never by the render.
    mutable std::mutex gameMutex;
    std::vector<std::unique_ptr<Voice>> voices;  // every voice not yet freed
    int outputFrequency;                         // the one voices are started at
    VoiceId lastId = 0;
    std::array<std::atomic<int>, VOLUME_GROUPS> globalVolumes{MAX_GLOBAL_VOLUME, MAX_GLOBAL_VOLUME,
                                                              MAX_GLOBAL_VOLUME};

    /// Held only to add a command or to take them all.
    std::mutex handOverMutex;
    std::vector<Command> handedOver;

    /// The render's own.
    std::vector<Command> applying;  // swapped with `handedOver`, so neither side allocates
    Voice* pFirstRendered = nullptr;
    int renderedFrequency;
    OutputLimiter limiter;
};
