#pragma once
#include <cstdint>
#include <vector>

/// The building blocks of the synthesised sounds and of the music's instruments.
namespace synth {

/// A deterministic noise source (white, -1..1).
class Noise {
public:
    explicit Noise(uint32_t seed = 1) : state(seed) {}
    float next();

private:
    uint32_t state;
};

/// One-pole low-pass filter; `cutoff` in Hz.
class LowPass {
public:
    float process(float in, double cutoff, int frequency);

private:
    float last = 0;
};

/// Two-pole resonant band-pass (state-variable filter).
class BandPass {
public:
    float process(float in, double centre, double q, int frequency);

private:
    float low = 0, band = 0;
};

/// An oscillator that keeps its phase while its pitch changes.
class Oscillator {
public:
    /// Advances by one sample at `hz`; returns the phase 0..1.
    double step(double hz, int frequency);
    float sine(double hz, int frequency);
    /// A pulse high for `duty` of each period, without offset: +-1 at 0.5, 1.5 and -0.5 at 0.25.
    float square(double hz, int frequency, double duty = 0.5);
    float saw(double hz, int frequency);
    float triangle(double hz, int frequency);

private:
    double phase = 0;
};

/// Attack-decay envelope: rises linearly over `attack` seconds, then falls exponentially with
/// time constant `decay`; 0 after `length`, with a short fade so nothing clicks.
float envelope(double t, double attack, double decay, double length);
/// Exponential glide from `from` to `to` over `length` seconds.
double glide(double t, double from, double to, double length);
/// Equal-tempered frequency of a MIDI note number.
double noteHz(double note);

/// Scales the samples so the loudest stands at `peak`.
void normalize(std::vector<float>& samples, float peak);
/// Scales the samples so their RMS stands at `rms`, as far as full scale allows: no further
/// than the loudest at 1.
void normalizeRms(std::vector<float>& samples, float rms);

}  // namespace synth
