#include "Synth.h"
#include <algorithm>
#include <cmath>
#include <numbers>

namespace synth {

float Noise::next() {
    state = state * 1664525u + 1013904223u;
    return static_cast<float>((state >> 8) / double(1 << 23) - 1.0);
}

float LowPass::process(float in, double cutoff, int frequency) {
    const double a = 1 - std::exp(-2 * std::numbers::pi * cutoff / frequency);
    last += static_cast<float>(a * (in - last));
    return last;
}

float BandPass::process(float in, double centre, double q, int frequency) {
    const double f = std::min(1.2, 2 * std::sin(std::numbers::pi * centre / frequency));
    low += static_cast<float>(f * band);
    const float high = in - low - static_cast<float>(band / q);
    band += static_cast<float>(f * high);
    return band;
}

double Oscillator::step(double hz, int frequency) {
    const double current = phase;
    phase += hz / frequency;
    phase -= std::floor(phase);
    return current;
}

float Oscillator::sine(double hz, int frequency) {
    return static_cast<float>(std::sin(2 * std::numbers::pi * step(hz, frequency)));
}

// Between +1 and -1 a pulse would carry an offset of 2 duty - 1, so its two levels, 2 apart,
// lie around its own mean instead, as after a coupling capacitor.
float Oscillator::square(double hz, int frequency, double duty) {
    return static_cast<float>(step(hz, frequency) < duty ? 2 * (1 - duty) : -2 * duty);
}

float Oscillator::saw(double hz, int frequency) { return static_cast<float>(2 * step(hz, frequency) - 1); }

float Oscillator::triangle(double hz, int frequency) {
    const double p = step(hz, frequency);
    return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
}

float envelope(double t, double attack, double decay, double length) {
    if (t < 0 || t >= length) return 0;
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    const double fall = t > attack ? std::exp(-(t - attack) / decay) : 1.0;
    const double tail = std::min(1.0, (length - t) / 0.005);
    return static_cast<float>(rise * fall * tail);
}

double glide(double t, double from, double to, double length) {
    const double u = std::clamp(t / length, 0.0, 1.0);
    return from * std::pow(to / from, u);
}

double noteHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12); }

void normalize(std::vector<float>& samples, float peak) {
    float loudest = 0;
    for (float s : samples) loudest = std::max(loudest, std::fabs(s));
    if (loudest <= 0) return;
    for (float& s : samples) s *= peak / loudest;
}

void normalizeRms(std::vector<float>& samples, float rms) {
    double squares = 0;
    float loudest = 0;
    for (float s : samples) {
        squares += double(s) * s;
        loudest = std::max(loudest, std::fabs(s));
    }
    if (loudest <= 0) return;
    const double gain = std::min(rms / std::sqrt(squares / double(samples.size())), 1.0 / loudest);
    for (float& s : samples)
        s = static_cast<float>(s * gain);
}

}  // namespace synth
