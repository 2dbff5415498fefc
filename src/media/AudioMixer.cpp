#include "media/AudioMixer.h"
#include <algorithm>
#include <cmath>
#include <variant>
#include "media/PcmSource.h"
#include "platform/Resampler.h"

namespace {

/// Frames a stream decodes at a time; a buffer at the lowest output rate takes a few of them.
constexpr int STREAM_CHUNK_FRAMES = 1024;
/// Output frames a voice converts at a time: its buffer is made for this many, so a render of
/// any length needs no more.
constexpr int BLOCK_FRAMES = 1024;
/// Commands the render takes at once without either side's list growing.
constexpr size_t COMMAND_CAPACITY = 256;
/// Bounds that keep one render call's work (and a stream's decoding) finite.
constexpr float MAX_PITCH = 16.0f;
constexpr double MAX_SLIDE_SECONDS = 3600.0;
/// Seconds a stopped voice takes to fall silent. Cut between two frames, its waveform would
/// drop to 0 at once: a click. Over this slide a tone at half scale steps at most
/// 0.5 / (rate x STOP_SECONDS) more than on its own (0.009 at 11025 Hz, where a 110 Hz tone's
/// own step is 0.03), and a fall this short is not heard as a fade.
constexpr double STOP_SECONDS = 0.005;

/// Callers' numbers limited to a range; NaN becomes `fallback`.
float limited(float value, float low, float high, float fallback) {
    return std::isnan(value) ? fallback : std::clamp(value, low, high);
}
double slideSeconds(double seconds) { return seconds > 0.0 ? std::min(seconds, MAX_SLIDE_SECONDS) : 0.0; }

/// A value that moves linearly to a target over a number of output frames.
struct Ramp {
    float value = 0.0f;
    float target = 0.0f;
    float delta = 0.0f;
    int64_t framesLeft = 0;

    void set(float to, double seconds, int frequency) {
        framesLeft = std::llround(slideSeconds(seconds) * frequency);
        target = to;
        if (framesLeft == 0) value = to;
        delta = framesLeft > 0 ? (to - value) / static_cast<float>(framesLeft) : 0.0f;
    }
    bool isSliding() const { return framesLeft > 0; }
    void advance() {
        if (framesLeft == 0) return;
        value = --framesLeft == 0 ? target : value + delta;
    }
};

}  // namespace

struct AudioMixer::Voice {
    // Set by the game before the hand-over; the id never changes.
    VoiceId id = 0;
    int channels = 1;
    int frequency = 1;
    bool bLoop = false;
    float pitch = 1.0f;
    std::shared_ptr<const PcmData> pcm;
    std::unique_ptr<PcmSource> source;

    // The game's own after the hand-over.
    bool bStopped = false;
    // Published by the render once it no longer touches the voice, which has then ended.
    std::atomic<bool> bReleased = false;

    /// Game side.
    bool isPlaying() const { return !bStopped && !bReleased.load(std::memory_order_acquire); }

    // The render's own after the hand-over; the buffers and the converter are made beforehand.
    Voice* pNextRendered = nullptr;
    VolumeGroup group = VolumeGroup::Sample;
    Ramp pan;
    Ramp volume;
    bool bStopAtVolumeEnd = false;
    bool bFinished = false;
    bool bSampleGiven = false;
    std::vector<float> decoded;  // one chunk of a stream
    const float* pInput = nullptr;  // the frames not yet played or converted
    long inputFrames = 0;
    bool bInputEnded = false;
    /// Null while the voice plays at the output's rate, frame for frame.
    std::unique_ptr<platform::Resampler> pResampler;
    std::vector<float> played;  // one block of the voice at the output's rate, its own channels

    /// Output frames per frame of the voice's own; a voice at pitch 0 plays at the slowest.
    double ratioAt(int outputFrequency) const {
        const double playedFrequency = static_cast<double>(frequency) * pitch;
        return playedFrequency > 0.0 ? outputFrequency / playedFrequency : platform::Resampler::MAX_RATIO;
    }

    /// Game side: the buffers, and a converter unless the voice plays frame for frame; false
    /// when no converter could be made.
    bool prepare(int outputFrequency) {
        played.resize(static_cast<size_t>(BLOCK_FRAMES) * channels);
        if (source) decoded.resize(static_cast<size_t>(STREAM_CHUNK_FRAMES) * channels);
        const double ratio = ratioAt(outputFrequency);
        if (ratio == 1.0) return true;
        pResampler = std::make_unique<platform::Resampler>(channels);
        pResampler->setRatio(ratio);
        return pResampler->isValid();
    }

    /// Points the input at the next frames: the whole sample (again, when looped) or a newly
    /// decoded chunk of the stream (from its start again at its end, when looped, so the join
    /// has no gap); false at the end.
    bool nextInput() {
        if (pcm) {
            if ((bSampleGiven && !bLoop) || pcm->frameCount() == 0) return false;
            bSampleGiven = true;
            pInput = pcm->samples.data();
            inputFrames = static_cast<long>(pcm->frameCount());
            return true;
        }
        int got = source->read(decoded.data(), STREAM_CHUNK_FRAMES);
        if (got == 0 && bLoop && source->rewind()) got = source->read(decoded.data(), STREAM_CHUNK_FRAMES);
        pInput = decoded.data();
        inputFrames = std::max(got, 0);
        return got > 0;
    }

    /// Fills `played` with up to `frames` (at most a block) frames at the output's rate; fewer
    /// at the voice's end.
    int play(int frames) {
        int made = 0;
        while (made < frames) {
            if (inputFrames == 0 && !bInputEnded) bInputEnded = !nextInput();
            if (pResampler) {
                const auto progress = pResampler->process(pInput, inputFrames, bInputEnded,
                                                          played.data() + static_cast<size_t>(made) * channels, frames - made);
                consumeInput(progress.inputUsed);
                made += static_cast<int>(progress.outputMade);
                if (progress.bFailed || (progress.inputUsed == 0 && progress.outputMade == 0)) break;
            } else {
                if (inputFrames == 0) break;
                const long count = std::min(inputFrames, static_cast<long>(frames - made));
                std::copy_n(pInput, count * channels, played.data() + static_cast<size_t>(made) * channels);
                consumeInput(count);
                made += static_cast<int>(count);
            }
        }
        return made;
    }

    void consumeInput(long frames) {
        pInput += frames * channels;
        inputFrames -= frames;
    }

    /// Adds `frames` frames of `played` to `out` at the voice's pan and volume.
    void addPlayed(float* out, int frames, float groupGain) {
        const int right = channels == 2 ? 1 : 0;
        for (int f = 0; f < frames; ++f) {
            const float* frame = played.data() + static_cast<size_t>(f) * channels;
            const float gain = volume.value * groupGain;
            const float p = pan.value;
            out[2 * f] += frame[0] * gain * (p > 0.0f ? 1.0f - p : 1.0f);
            out[2 * f + 1] += frame[right] * gain * (p < 0.0f ? 1.0f + p : 1.0f);
            pan.advance();
            const bool bWasSliding = volume.isSliding();
            volume.advance();
            if (bStopAtVolumeEnd && bWasSliding && !volume.isSliding()) {
                bFinished = true;
                return;
            }
        }
    }

    /// Slides the volume to 0 in STOP_SECONDS and ends the voice there.
    void stopSoftly(int outputFrequency) {
        volume.set(0.0f, STOP_SECONDS, outputFrequency);
        bStopAtVolumeEnd = volume.isSliding();
        bFinished = !bStopAtVolumeEnd;  // an output too slow for a frame of slide
    }

    void mix(float* out, int frames, int outputFrequency, float groupGain) {
        if (pResampler) pResampler->setRatio(ratioAt(outputFrequency));
        for (int done = 0; done < frames && !bFinished; done += BLOCK_FRAMES) {
            const int wanted = std::min(BLOCK_FRAMES, frames - done);
            const int made = play(wanted);
            addPlayed(out + 2 * static_cast<size_t>(done), made, groupGain);
            if (made < wanted) bFinished = true;
        }
    }
};

/// A change the game hands over to the render, applied in the order given.
struct AudioMixer::Command {
    struct Add {
        Voice* pVoice;
    };
    struct Stop {
        VoiceId id;
    };
    struct SlidePan {
        VoiceId id;
        float pan;
        double seconds;
    };
    struct SlideVolume {
        VoiceId id;
        float volume;
        double seconds;
        bool bStopAtEnd;
    };
    struct SetGroup {
        VoiceId id;
        VolumeGroup group;
    };
    struct SetFrequency {
        int frequency;
    };
    std::variant<Add, Stop, SlidePan, SlideVolume, SetGroup, SetFrequency> change;
};

AudioMixer::AudioMixer(int frequency)
    : outputFrequency(std::max(frequency, 1)), renderedFrequency(outputFrequency), limiter(outputFrequency) {
    handedOver.reserve(COMMAND_CAPACITY);
    applying.reserve(COMMAND_CAPACITY);
}

AudioMixer::~AudioMixer() = default;

void AudioMixer::setOutputFrequency(int frequency) {
    std::lock_guard lock(gameMutex);
    outputFrequency = std::max(frequency, 1);
    handOver({Command::SetFrequency{outputFrequency}});
}

int AudioMixer::getOutputFrequency() const {
    std::lock_guard lock(gameMutex);
    return outputFrequency;
}

VoiceId AudioMixer::playSample(std::shared_ptr<const PcmData> pcm, const VoiceSettings& settings) {
    if (!pcm || pcm->frequency <= 0 || pcm->channels < 1 || pcm->channels > 2) return 0;
    auto voice = std::make_unique<Voice>();
    voice->channels = pcm->channels;
    voice->frequency = pcm->frequency;
    voice->pcm = std::move(pcm);
    return add(std::move(voice), settings);
}

VoiceId AudioMixer::playStream(std::unique_ptr<PcmSource> source, const VoiceSettings& settings) {
    if (!source || source->getFrequency() <= 0 || source->getChannels() < 1 || source->getChannels() > 2) return 0;
    auto voice = std::make_unique<Voice>();
    voice->channels = source->getChannels();
    voice->frequency = source->getFrequency();
    voice->source = std::move(source);
    return add(std::move(voice), settings);
}

VoiceId AudioMixer::add(std::unique_ptr<Voice> voice, const VoiceSettings& settings) {
    voice->bLoop = settings.bLoop;
    voice->pitch = limited(settings.pitch, 0.0f, MAX_PITCH, 1.0f);
    voice->pan.set(limited(settings.pan, -1.0f, 1.0f, 0.0f), 0.0, 1);
    voice->volume.set(limited(settings.volume, 0.0f, 1.0f, 0.0f), 0.0, 1);
    voice->group = settings.group;
    std::lock_guard lock(gameMutex);
    freeReleased();
    if (!voice->prepare(outputFrequency)) return 0;
    if (++lastId == 0) ++lastId;
    voice->id = lastId;
    handOver({Command::Add{voice.get()}});
    voices.push_back(std::move(voice));
    return lastId;
}

void AudioMixer::freeReleased() {
    std::erase_if(voices, [](const auto& voice) { return voice->bReleased.load(std::memory_order_acquire); });
}

void AudioMixer::handOver(const Command& command) {
    std::lock_guard lock(handOverMutex);
    handedOver.push_back(command);
}

AudioMixer::Voice* AudioMixer::findPlaying(VoiceId id) const {
    for (const auto& voice : voices)
        if (voice->id == id && voice->isPlaying()) return voice.get();
    return nullptr;
}

bool AudioMixer::isPlaying(VoiceId voice) const {
    std::lock_guard lock(gameMutex);
    return voice != 0 && findPlaying(voice) != nullptr;
}

int AudioMixer::countPlaying() const {
    std::lock_guard lock(gameMutex);
    return static_cast<int>(
        std::count_if(voices.begin(), voices.end(), [](const auto& voice) { return voice->isPlaying(); }));
}

void AudioMixer::stop(VoiceId id) {
    std::lock_guard lock(gameMutex);
    Voice* voice = findPlaying(id);
    if (!voice) return;
    voice->bStopped = true;
    handOver({Command::Stop{id}});
}

void AudioMixer::stopAll() {
    std::lock_guard lock(gameMutex);
    for (const auto& voice : voices) {
        if (!voice->isPlaying()) continue;
        voice->bStopped = true;
        handOver({Command::Stop{voice->id}});
    }
}

bool AudioMixer::hasLetGoOfAll() const {
    std::lock_guard lock(gameMutex);
    return std::all_of(voices.begin(), voices.end(),
                       [](const auto& voice) { return voice->bReleased.load(std::memory_order_acquire); });
}

void AudioMixer::setPan(VoiceId id, float pan, double seconds) {
    std::lock_guard lock(gameMutex);
    if (findPlaying(id)) handOver({Command::SlidePan{id, limited(pan, -1.0f, 1.0f, 0.0f), seconds}});
}

void AudioMixer::setVolume(VoiceId id, float volume, double seconds, bool bStopAtEnd) {
    std::lock_guard lock(gameMutex);
    if (findPlaying(id))
        handOver({Command::SlideVolume{id, limited(volume, 0.0f, 1.0f, 0.0f), seconds, bStopAtEnd}});
}

void AudioMixer::setGroup(VoiceId id, VolumeGroup group) {
    std::lock_guard lock(gameMutex);
    if (findPlaying(id)) handOver({Command::SetGroup{id, group}});
}

void AudioMixer::setGlobalVolume(VolumeGroup group, int volume) {
    globalVolumes[static_cast<size_t>(group)].store(std::clamp(volume, 0, MAX_GLOBAL_VOLUME),
                                                    std::memory_order_relaxed);
}

int AudioMixer::getGlobalVolume(VolumeGroup group) const {
    return globalVolumes[static_cast<size_t>(group)].load(std::memory_order_relaxed);
}

void AudioMixer::render(float* out, int frames) {
    std::fill(out, out + 2 * static_cast<size_t>(std::max(frames, 0)), 0.0f);
    applyHandedOver();
    for (Voice* voice = pFirstRendered; voice; voice = voice->pNextRendered) {
        const float groupGain = static_cast<float>(getGlobalVolume(voice->group)) / MAX_GLOBAL_VOLUME;
        voice->mix(out, frames, renderedFrequency, groupGain);
    }
    releaseEnded();
    limiter.process(out, frames);
}

void AudioMixer::applyHandedOver() {
    {
        std::lock_guard lock(handOverMutex);
        applying.swap(handedOver);
    }
    for (const Command& command : applying) apply(command);
    applying.clear();
}

void AudioMixer::apply(const Command& command) {
    struct Apply {
        AudioMixer& mixer;
        void operator()(const Command::Add& add) const {
            Voice** link = &mixer.pFirstRendered;
            while (*link) link = &(*link)->pNextRendered;
            *link = add.pVoice;
        }
        void operator()(const Command::Stop& stop) const {
            if (Voice* voice = mixer.findRendered(stop.id)) voice->stopSoftly(mixer.renderedFrequency);
        }
        void operator()(const Command::SlidePan& slide) const {
            if (Voice* voice = mixer.findRendered(slide.id))
                voice->pan.set(slide.pan, slide.seconds, mixer.renderedFrequency);
        }
        void operator()(const Command::SlideVolume& slide) const {
            Voice* voice = mixer.findRendered(slide.id);
            if (!voice) return;
            voice->volume.set(slide.volume, slide.seconds, mixer.renderedFrequency);
            voice->bStopAtVolumeEnd = slide.bStopAtEnd && voice->volume.isSliding();
        }
        void operator()(const Command::SetGroup& set) const {
            if (Voice* voice = mixer.findRendered(set.id)) voice->group = set.group;
        }
        void operator()(const Command::SetFrequency& set) const {
            mixer.renderedFrequency = set.frequency;
            mixer.limiter.setOutputFrequency(set.frequency);
        }
    };
    std::visit(Apply{*this}, command.change);
}

AudioMixer::Voice* AudioMixer::findRendered(VoiceId id) const {
    for (Voice* voice = pFirstRendered; voice; voice = voice->pNextRendered)
        if (voice->id == id && !voice->bFinished) return voice;
    return nullptr;
}

void AudioMixer::releaseEnded() {
    for (Voice** link = &pFirstRendered; *link;) {
        Voice* voice = *link;
        if (!voice->bFinished) {
            link = &voice->pNextRendered;
            continue;
        }
        *link = voice->pNextRendered;
        voice->bReleased.store(true, std::memory_order_release);  // the game may free it from here on
    }
}
