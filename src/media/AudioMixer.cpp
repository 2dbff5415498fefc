#include "media/AudioMixer.h"
#include <algorithm>
#include <cmath>
#include "media/PcmSource.h"
#include "platform/Resampler.h"

namespace {

/// Frames a stream decodes at a time; a buffer at the lowest output rate takes a few of them.
constexpr int STREAM_CHUNK_FRAMES = 1024;
/// Bounds that keep one render call's work (and a stream's decoding) finite.
constexpr float MAX_PITCH = 16.0f;
constexpr double MAX_SLIDE_SECONDS = 3600.0;

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
    VoiceId id = 0;
    VolumeGroup group = VolumeGroup::Sample;
    bool bLoop = false;
    float pitch = 1.0f;
    Ramp pan;
    Ramp volume;
    bool bStopAtVolumeEnd = false;
    bool bFinished = false;
    int channels = 1;
    int frequency = 1;

    std::shared_ptr<const PcmData> pcm;
    bool bSampleGiven = false;
    std::unique_ptr<PcmSource> source;
    std::vector<float> decoded;

    const float* pInput = nullptr;  // the frames not yet played or converted
    long inputFrames = 0;
    bool bInputEnded = false;
    /// Null while the voice plays at the output's rate, frame for frame.
    std::unique_ptr<platform::Resampler> pResampler;
    std::vector<float> played;  // one buffer of the voice at the output's rate, its own channels

    /// Output frames per frame of the voice's own; a voice at pitch 0 plays at the slowest.
    double ratioAt(int outputFrequency) const {
        const double playedFrequency = static_cast<double>(frequency) * pitch;
        return playedFrequency > 0.0 ? outputFrequency / playedFrequency : platform::Resampler::MAX_RATIO;
    }

    bool prepareResampler(int outputFrequency) {
        const double ratio = ratioAt(outputFrequency);
        if (!pResampler && ratio == 1.0) return true;
        if (!pResampler) pResampler = std::make_unique<platform::Resampler>(channels);
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
        decoded.resize(static_cast<size_t>(STREAM_CHUNK_FRAMES) * channels);
        int got = source->read(decoded.data(), STREAM_CHUNK_FRAMES);
        if (got == 0 && bLoop && source->rewind()) got = source->read(decoded.data(), STREAM_CHUNK_FRAMES);
        pInput = decoded.data();
        inputFrames = std::max(got, 0);
        return got > 0;
    }

    /// Fills `played` with up to `frames` frames at the output's rate; fewer at the voice's end.
    int play(int frames) {
        played.resize(static_cast<size_t>(frames) * channels);
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

    void mix(float* out, int frames, int outputFrequency, float groupGain) {
        if (!prepareResampler(outputFrequency)) {
            bFinished = true;
            return;
        }
        const int made = play(frames);
        const int right = channels == 2 ? 1 : 0;
        for (int f = 0; f < made; ++f) {
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
        if (made < frames) bFinished = true;
    }
};

AudioMixer::AudioMixer(int frequency) : outputFrequency(std::max(frequency, 1)), limiter(outputFrequency) {}

AudioMixer::~AudioMixer() = default;

void AudioMixer::setOutputFrequency(int frequency) {
    std::lock_guard lock(mutex);
    outputFrequency = std::max(frequency, 1);
    limiter.setOutputFrequency(outputFrequency);
}

int AudioMixer::getOutputFrequency() const {
    std::lock_guard lock(mutex);
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
    // The converter is made here rather than on the audio thread.
    if (!voice->prepareResampler(getOutputFrequency())) return 0;
    std::lock_guard lock(mutex);
    if (++lastId == 0) ++lastId;
    voice->id = lastId;
    voices.push_back(std::move(voice));
    return lastId;
}

AudioMixer::Voice* AudioMixer::find(VoiceId id) const {
    for (const auto& voice : voices)
        if (voice->id == id && !voice->bFinished) return voice.get();
    return nullptr;
}

bool AudioMixer::isPlaying(VoiceId voice) const {
    std::lock_guard lock(mutex);
    return voice != 0 && find(voice) != nullptr;
}

int AudioMixer::countPlaying() const {
    std::lock_guard lock(mutex);
    return static_cast<int>(std::count_if(voices.begin(), voices.end(), [](const auto& v) { return !v->bFinished; }));
}

void AudioMixer::stop(VoiceId id) {
    std::lock_guard lock(mutex);
    std::erase_if(voices, [id](const auto& voice) { return voice->id == id; });
}

void AudioMixer::setPan(VoiceId id, float pan, double seconds) {
    std::lock_guard lock(mutex);
    if (Voice* voice = find(id)) voice->pan.set(limited(pan, -1.0f, 1.0f, 0.0f), seconds, outputFrequency);
}

void AudioMixer::setVolume(VoiceId id, float volume, double seconds, bool bStopAtEnd) {
    std::lock_guard lock(mutex);
    Voice* voice = find(id);
    if (!voice) return;
    voice->volume.set(limited(volume, 0.0f, 1.0f, 0.0f), seconds, outputFrequency);
    voice->bStopAtVolumeEnd = bStopAtEnd && voice->volume.isSliding();
}

void AudioMixer::setGroup(VoiceId id, VolumeGroup group) {
    std::lock_guard lock(mutex);
    if (Voice* voice = find(id)) voice->group = group;
}

void AudioMixer::setGlobalVolume(VolumeGroup group, int volume) {
    std::lock_guard lock(mutex);
    globalVolumes[static_cast<size_t>(group)] = std::clamp(volume, 0, MAX_GLOBAL_VOLUME);
}

int AudioMixer::getGlobalVolume(VolumeGroup group) const {
    std::lock_guard lock(mutex);
    return globalVolumes[static_cast<size_t>(group)];
}

void AudioMixer::render(float* out, int frames) {
    std::fill(out, out + 2 * static_cast<size_t>(std::max(frames, 0)), 0.0f);
    std::lock_guard lock(mutex);
    for (const auto& voice : voices) {
        if (voice->bFinished) continue;
        const float groupGain =
            static_cast<float>(globalVolumes[static_cast<size_t>(voice->group)]) / MAX_GLOBAL_VOLUME;
        voice->mix(out, frames, outputFrequency, groupGain);
    }
    std::erase_if(voices, [](const auto& voice) { return voice->bFinished; });
    limiter.process(out, frames);
}
