#include "media/OutputLimiter.h"
#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

/// The larger magnitude of frame `frame` of stereo `samples`.
float peakOf(const float* samples, int frame) {
    const float* pair = samples + 2 * static_cast<std::ptrdiff_t>(frame);
    return std::max(std::fabs(pair[0]), std::fabs(pair[1]));
}

/// The largest magnitude of the frames from `first` to before `end`.
float highestIn(const float* samples, int first, int end) {
    float highest = 0.0f;
    for (int frame = first; frame < end; ++frame)
        highest = std::max(highest, peakOf(samples, frame));
    return highest;
}

/// The gain that brings a frame of that peak within full scale, as far as the floor allows.
float neededGain(float peak) {
    return peak > 1.0f ? std::max(OutputLimiter::CEILING / peak, OutputLimiter::MIN_GAIN) : 1.0f;
}

/// Zeroes the samples that are not finite: one would pull the gain to 0 or NaN.
void silenceNonFinite(float* samples, int frames) {
    for (float* sample = samples; sample != samples + 2 * static_cast<std::ptrdiff_t>(frames); ++sample)
        if (!std::isfinite(*sample)) *sample = 0.0f;
}

/// `sample` at `gain`, clamped where the floor kept the gain from bringing it within full scale.
float atGain(float sample, float gain) {
    return std::clamp(sample * gain, -1.0f, 1.0f);
}

} // namespace

OutputLimiter::OutputLimiter(int outputFrequency) {
    setOutputFrequency(outputFrequency);
}

void OutputLimiter::setOutputFrequency(int frequency) {
    const double rate = std::max(frequency, 1);
    lookahead = std::clamp(static_cast<int>(std::lround(LOOKAHEAD_SECONDS * rate)), 1, MAX_LOOKAHEAD_FRAMES);
    holdFrames = static_cast<int>(std::lround(HOLD_SECONDS * rate));
    releaseStep = static_cast<float>(std::pow(10.0, RELEASE_DB_PER_SECOND / 20.0 / rate));
    recent.fill(held);
    newest = 0;
}

void OutputLimiter::process(float* samples, int frames) {
    silenceNonFinite(samples, frames);
    if (isAtRest() && neededGain(highestIn(samples, 0, frames)) == 1.0f) return;
    catchUp(samples, frames);
    for (int f = 0; f < frames; ++f) {
        const float gain = glide(envelope(lowestAhead(samples, f, frames)));
        float* pair = samples + 2 * static_cast<std::ptrdiff_t>(f);
        pair[0] = atGain(pair[0], gain);
        pair[1] = atGain(pair[1], gain);
    }
}

// The glide's value `age` frames before this buffer should have seen its first lookahead - age
// frames; so should the envelope's newest.
void OutputLimiter::catchUp(const float* samples, int frames) {
    float highest = 0.0f;
    for (int seen = 1; seen <= lookahead; ++seen) {
        if (seen <= frames) highest = std::max(highest, peakOf(samples, seen - 1));
        const int age = lookahead - seen;
        float& value = recent[static_cast<std::size_t>((newest - age + lookahead) % lookahead)];
        value = std::min(value, neededGain(highest));
    }
    const float lowest = neededGain(highest);
    if (lowest < held) {
        held = lowest;
        holdLeft = holdFrames;
    }
}

float OutputLimiter::lowestAhead(const float* samples, int first, int frames) const {
    return neededGain(highestIn(samples, first, std::min(first + lookahead + 1, frames)));
}

bool OutputLimiter::isAtRest() const {
    return held == 1.0f &&
           std::all_of(recent.begin(), recent.begin() + lookahead, [](float v) { return v == 1.0f; });
}

float OutputLimiter::envelope(float lowest) {
    float released = held;
    if (holdLeft > 0)
        --holdLeft;
    else
        released = std::min(held * releaseStep, 1.0f);
    if (lowest < released) {
        held = lowest;
        holdLeft = holdFrames;
    } else {
        held = released;
    }
    return held;
}

float OutputLimiter::glide(float latest) {
    newest = (newest + 1) % lookahead;
    recent[static_cast<std::size_t>(newest)] = latest;
    float sum = 0.0f;
    for (int i = 0; i < lookahead; ++i)
        sum += recent[static_cast<std::size_t>(i)];
    return sum / static_cast<float>(lookahead);
}
