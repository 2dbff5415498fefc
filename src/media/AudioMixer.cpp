#include "media/AudioMixer.h"
#include <algorithm>
#include <cmath>
#include "media/PcmSource.h"

namespace {

constexpr size_t STREAM_WINDOW_FRAMES = 4096;
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

struct Frame {
    float left = 0.0f;
    float right = 0.0f;
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
    double position = 0.0;  // in source frames; for streams, from the window's start

    std::shared_ptr<const PcmData> pcm;

    std::unique_ptr<PcmSource> source;
    std::vector<float> window;
    size_t windowFrames = 0;
    bool bSourceEnded = false;

    Frame frameAt(const float* samples, size_t index) const {
        const float* p = samples + index * channels;
        return channels == 2 ? Frame{p[0], p[1]} : Frame{p[0], p[0]};
    }

    /// The interpolated frame at `position`; false past the end.
    bool fetch(Frame& out) {
        size_t first = 0, second = 0;
        if (pcm ? !locateInSample(first, second) : !locateInStream(first, second)) return false;
        const float* samples = pcm ? pcm->samples.data() : window.data();
        const float t = static_cast<float>(position - std::floor(position));
        const Frame a = frameAt(samples, first), b = frameAt(samples, second);
        out = {a.left + (b.left - a.left) * t, a.right + (b.right - a.right) * t};
        return true;
    }

    bool locateInSample(size_t& first, size_t& second) {
        const size_t frames = pcm->frameCount();
        if (frames == 0) return false;
        if (position >= static_cast<double>(frames)) {
            if (!bLoop) return false;
            position = std::fmod(position, static_cast<double>(frames));
        }
        first = static_cast<size_t>(position);
        second = first + 1 < frames ? first + 1 : (bLoop ? 0 : first);
        return true;
    }

    bool locateInStream(size_t& first, size_t& second) {
        first = static_cast<size_t>(position);
        while (first + 1 >= windowFrames && !bSourceEnded) {
            refill();
            first = static_cast<size_t>(position);
        }
        if (first >= windowFrames) return false;
        second = first + 1 < windowFrames ? first + 1 : first;
        return true;
    }

    /// Drops the frames already played and decodes more behind the rest; at the source's end
    /// a looped stream starts over, so the join has no gap.
    void refill() {
        const size_t played = std::min(static_cast<size_t>(position), windowFrames);
        window.erase(window.begin(), window.begin() + static_cast<std::ptrdiff_t>(played * channels));
        windowFrames -= played;
        position -= static_cast<double>(played);
        window.resize(STREAM_WINDOW_FRAMES * channels);
        const int wanted = static_cast<int>(STREAM_WINDOW_FRAMES - windowFrames);
        int got = source->read(window.data() + windowFrames * channels, wanted);
        if (got == 0 && bLoop && source->rewind()) got = source->read(window.data() + windowFrames * channels, wanted);
        if (got <= 0) bSourceEnded = true;
        windowFrames += static_cast<size_t>(std::max(got, 0));
        window.resize(windowFrames * channels);
    }

    void mix(float* out, int frames, int outputFrequency, float groupGain) {
        const double step = static_cast<double>(pitch) * frequency / outputFrequency;
        for (int f = 0; f < frames; ++f) {
            Frame frame;
            if (!fetch(frame)) {
                bFinished = true;
                return;
            }
            const float gain = volume.value * groupGain;
            const float p = pan.value;
            out[2 * f] += frame.left * gain * (p > 0.0f ? 1.0f - p : 1.0f);
            out[2 * f + 1] += frame.right * gain * (p < 0.0f ? 1.0f + p : 1.0f);
            pan.advance();
            const bool bWasSliding = volume.isSliding();
            volume.advance();
            if (bStopAtVolumeEnd && bWasSliding && !volume.isSliding()) {
                bFinished = true;
                return;
            }
            position += step;
        }
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
