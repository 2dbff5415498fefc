// The sound effects: oscillators, noise, envelopes and filters.
#include "Sounds.h"
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include "Synth.h"

using namespace synth;

namespace {

constexpr int RATE = 22050;

// `seconds` of sound from a per-sample function of the time, normalised to a common loudness.
std::vector<float> render(double seconds, int rate, const std::function<float(double t)>& sample, float peak = 0.8f) {
    std::vector<float> out(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = sample(double(i) / rate);
    normalize(out, peak);
    return out;
}

// A sound that repeats every `seconds`, for looping: rendered twice, keeping the second pass, so
// that filters have settled and the end runs on into the start.
std::vector<float> loop(double seconds, int rate, const std::function<float(double t)>& sample, float peak) {
    std::vector<float> twice = render(2 * seconds, rate, sample, peak);
    twice.erase(twice.begin(), twice.begin() + static_cast<std::ptrdiff_t>(twice.size() / 2));
    return twice;
}

std::vector<float> boom(double seconds, double cutoff, uint32_t seed) {
    Noise noise(seed);
    LowPass filter;
    Oscillator sub;
    return render(seconds, RATE, [&](double t) {
        const double c = glide(t, cutoff, 120, seconds);
        return filter.process(noise.next(), c, RATE) * 3 * envelope(t, 0.004, seconds / 4, seconds) +
               0.6f * sub.sine(glide(t, 90, 35, seconds), RATE) * envelope(t, 0.002, seconds / 5, seconds);
    });
}

// An alien warble: a voice gliding from `from` to `to` Hz that wobbles fast in pitch, ring-
// modulated by a partner a fifth and a bit above, its loudness bubbling `bubbles` times a second.
std::vector<float> warble(int rate, double seconds, double from, double to, double bubbles) {
    Oscillator voice, partner, wobble, gate;
    LowPass soften;
    return render(seconds, rate, [&](double t) {
        const double hz = glide(t, from, to, seconds) * (1 + 0.12 * wobble.sine(27, rate));
        const float ring = voice.sine(hz, rate) * (0.55f + 0.45f * partner.triangle(hz * 1.53, rate));
        const float beats = 0.6f + 0.4f * gate.sine(bubbles, rate);
        return soften.process(ring * beats, 3800, rate) * envelope(t, 0.004, seconds / 2.2, seconds);
    });
}

// Bubbling chirps: `count` short rising blips, each a little higher than the last and closer
// to it, as if bubbles rose through the creature.
std::vector<float> bubbleChirps(int rate, int count, double startHz, double seconds) {
    Oscillator voice;
    return render(seconds, rate, [&](double t) {
        double start = 0, gap = seconds / (count + 1);
        for (int k = 0; k < count; ++k, start += gap, gap *= 0.8) {
            const double local = t - start, length = 0.035;
            if (local >= 0 && local < length) {
                const double hz = startHz * (1 + 0.18 * k) * glide(local, 1.0, 2.2, length);
                return voice.sine(hz, rate) * envelope(local, 0.002, 0.012, length);
            }
        }
        return 0.0f;
    });
}

// A wet pop: a bubble's skin snapping (a tone that leaps up and dies at once) over a short, soft
// splash of low-passed noise.
std::vector<float> wetPop(int rate, double hz, double seconds, uint32_t seed) {
    Oscillator voice;
    Noise noise(seed);
    LowPass splash;
    return render(seconds, rate, [&](double t) {
        const float snap = voice.sine(glide(t, hz * 0.4, hz * 2.5, 0.03), rate) * envelope(t, 0.001, 0.02, 0.08);
        const float wet = splash.process(noise.next(), glide(t, 2400, 500, seconds), rate) * envelope(t, 0.004, 0.05, seconds);
        return snap + 0.7f * wet;
    });
}

// `second` laid over `first` from `at` seconds on, at a little lower level.
std::vector<float> mix(std::vector<float> first, const std::vector<float>& second, double at, int rate) {
    const std::size_t offset = static_cast<std::size_t>(at * rate);
    first.resize(std::max(first.size(), offset + second.size()), 0.0f);
    for (std::size_t i = 0; i < second.size(); ++i) first[offset + i] += 0.6f * second[i];
    normalize(first, 0.8f);
    return first;
}

// A hit: a short warble that jumps up, with a bubbling chirp on top.
std::vector<float> zelbinHit(int rate) {
    return mix(warble(rate, 0.16, 520, 980, 60), bubbleChirps(rate, 3, 900, 0.12), 0.03, rate);
}

// Square-wave notes one after another: (MIDI note, seconds) pairs.
std::vector<float> tune(std::initializer_list<std::pair<double, double>> notes, double duty, double decay) {
    double total = 0;
    for (const auto& note : notes) total += note.second;
    Oscillator voice, chorus;
    return render(total + decay, RATE, [&](double t) {
        double start = 0;
        for (const auto& note : notes) {
            const bool bLast = &note == notes.end() - 1;
            const double length = bLast ? note.second + decay : note.second;
            if (t < start + length) {
                const double hz = noteHz(note.first);
                const double local = t - start;
                return (voice.square(hz, RATE, duty) + 0.5f * chorus.square(hz * 1.004, RATE, duty)) *
                       envelope(local, 0.004, bLast ? decay : length, length);
            }
            start += note.second;
        }
        return 0.0f;
    }, 0.6f);
}

}  // namespace

std::vector<float> soundMouseClick() {
    Noise noise(3);
    BandPass filter;
    return render(0.04, RATE, [&](double t) { return filter.process(noise.next(), 3200, 3, RATE) * envelope(t, 0.0005, 0.006, 0.04); });
}

std::vector<float> soundClick() {
    Noise noise(5);
    BandPass filter;
    Oscillator tick;
    return render(0.05, RATE, [&](double t) {
        return (filter.process(noise.next(), 2400, 4, RATE) + 0.4f * tick.sine(1800, RATE)) * envelope(t, 0.0005, 0.008, 0.05);
    });
}

std::vector<float> soundPop() {
    Oscillator voice;
    return render(0.08, RATE, [&](double t) { return voice.sine(glide(t, 380, 1400, 0.06), RATE) * envelope(t, 0.002, 0.03, 0.08); });
}

std::vector<float> soundWeaponDefault() {
    Oscillator voice;
    return render(0.14, RATE, [&](double t) { return voice.square(glide(t, 1500, 320, 0.12), RATE, 0.25) * envelope(t, 0.002, 0.06, 0.14); });
}

std::vector<float> soundWeaponLaser() {
    Oscillator voice, vibrato;
    return render(0.28, RATE, [&](double t) {
        const double hz = glide(t, 2400, 500, 0.25) * (1 + 0.04 * vibrato.sine(60, RATE));
        return voice.saw(hz, RATE) * envelope(t, 0.002, 0.1, 0.28);
    });
}

std::vector<float> soundWeaponNeutron() {
    Oscillator buzz, ring;
    Noise noise(7);
    LowPass filter;
    return render(0.22, RATE, [&](double t) {
        const float raw = buzz.square(glide(t, 180, 90, 0.2), RATE) * (0.6f + 0.4f * ring.sine(900, RATE)) + 0.4f * noise.next();
        return filter.process(raw, 3500, RATE) * envelope(t, 0.002, 0.08, 0.22);
    });
}

std::vector<float> soundSwitchWeapon() { return tune({{76, 0.06}, {83, 0.06}}, 0.5, 0.05); }
std::vector<float> soundShortBleep() { return tune({{84, 0.05}}, 0.5, 0.02); }

std::vector<float> soundLaserLow() {
    Oscillator voice;
    return render(0.32, RATE, [&](double t) { return voice.saw(glide(t, 700, 140, 0.3), RATE) * envelope(t, 0.003, 0.15, 0.32); });
}

std::vector<float> soundZelbinHit() { return zelbinHit(RATE); }
std::vector<float> soundZelbinHit16k() { return zelbinHit(16000); }
std::vector<float> soundZelbinPluck() { return wetPop(RATE, 420, 0.22, 13); }
std::vector<float> soundZelbinPluck16k() { return wetPop(16000, 420, 0.22, 13); }
// The last call: a long warble sinking away, bubbling out as it goes.
std::vector<float> soundZelbinDie() {
    return mix(warble(11025, 0.5, 900, 160, 24), bubbleChirps(11025, 5, 500, 0.4), 0.08, 11025);
}

std::vector<float> soundChomp() {
    Noise noise(19);
    LowPass filter;
    return render(0.22, RATE, [&](double t) {
        const double local = t < 0.11 ? t : t - 0.11;
        return filter.process(noise.next(), 1400, RATE) * envelope(local, 0.003, 0.025, 0.11);
    });
}

std::vector<float> soundChompBig() {
    Noise noise(23);
    LowPass filter;
    Oscillator gulp;
    return render(0.45, RATE, [&](double t) {
        const float bite = filter.process(noise.next(), 1200, RATE) * envelope(t, 0.003, 0.04, 0.15);
        return bite * 2 + gulp.sine(glide(t, 320, 70, 0.45), RATE) * envelope(t - 0.12, 0.02, 0.12, 0.33);
    });
}

std::vector<float> soundPodDrop() {
    Oscillator voice;
    return render(0.3, RATE, [&](double t) { return voice.triangle(glide(t, 1600, 450, 0.3), RATE) * envelope(t, 0.005, 0.2, 0.3); });
}

std::vector<float> soundPodSplat() {
    Noise noise(29);
    LowPass filter;
    return render(0.28, RATE, [&](double t) {
        return filter.process(noise.next(), glide(t, 2600, 300, 0.28), RATE) * envelope(t, 0.002, 0.07, 0.28);
    });
}

std::vector<float> soundMissile() {
    Noise noise(31);
    BandPass filter;
    return render(0.7, RATE, [&](double t) {
        return filter.process(noise.next(), glide(t, 400, 3000, 0.7), 2, RATE) * envelope(t, 0.08, 0.35, 0.7);
    });
}

std::vector<float> soundExplosion() { return boom(1.3, 3000, 37); }
std::vector<float> soundExplosionMedium() { return boom(0.75, 3600, 41); }
std::vector<float> soundSmallBoom() { return boom(0.35, 4500, 43); }

std::vector<float> soundEngineStart() {
    Oscillator motor;
    Noise noise(47);
    LowPass filter;
    return render(1.3, RATE, [&](double t) {
        const double hz = t < 0.3 ? 30 + 20 * std::sin(t * 40) : glide(t - 0.3, 45, 110, 0.8);
        return filter.process(motor.saw(hz, RATE) + 0.3f * noise.next(), 1200, RATE) * envelope(t, 0.05, 0.9, 1.3);
    });
}

std::vector<float> soundEngineStop() {
    Oscillator motor;
    Noise noise(53);
    LowPass filter;
    return render(1.1, RATE, [&](double t) {
        return filter.process(motor.saw(glide(t, 110, 25, 1.0), RATE) + 0.3f * noise.next(), 1000, RATE) * envelope(t, 0.01, 0.5, 1.1);
    });
}

// The sad trombone: four falling notes, the last one wobbling.
std::vector<float> soundBonewah() {
    Oscillator voice, vibrato;
    LowPass filter;
    const double notes[] = {55, 54, 53, 52};
    return render(2.2, RATE, [&](double t) {
        const int index = std::min(3, static_cast<int>(t / 0.4));
        const double local = t - index * 0.4;
        const double wobble = index == 3 ? 0.025 * vibrato.sine(6, RATE) : 0;
        const double hz = noteHz(notes[index]) * (1 + wobble);
        const double length = index == 3 ? 1.0 : 0.4;
        return filter.process(voice.saw(hz, RATE), 1600, RATE) * envelope(local, 0.04, index == 3 ? 0.6 : 0.3, length);
    });
}

std::vector<float> soundFanfare() { return tune({{72, 0.12}, {76, 0.12}, {79, 0.12}, {84, 0.3}}, 0.25, 0.3); }
std::vector<float> soundFanfareBig() {
    return tune({{67, 0.15}, {67, 0.1}, {72, 0.15}, {76, 0.15}, {79, 0.3}, {76, 0.15}, {79, 0.6}}, 0.25, 0.5);
}
std::vector<float> soundExtraLife() {
    return tune({{72, 0.06}, {76, 0.06}, {79, 0.06}, {84, 0.06}, {88, 0.06}, {91, 0.2}}, 0.5, 0.2);
}

// One second: eight whole wobbles, so the loop joins without a seam.
std::vector<float> soundSaucerEngine() {
    Oscillator voice, hum;
    return loop(1.0, RATE, [&](double t) {
        const double hz = 320 + 90 * std::sin(2 * std::numbers::pi * 8 * t);
        return voice.sine(hz, RATE) + 0.35f * hum.triangle(80, RATE);
    }, 0.6f);
}

std::vector<float> soundSuspense() {
    Oscillator a, b, c, tremolo;
    return render(1.8, RATE, [&](double t) {
        const float chord = a.saw(noteHz(45), RATE) + b.saw(noteHz(48), RATE) + c.saw(noteHz(51), RATE);
        return chord * (0.6f + 0.4f * tremolo.sine(9, RATE)) * envelope(t, 0.05, 0.9, 1.8);
    });
}

std::vector<float> soundCoinBounce() {
    Oscillator low, high;
    return render(0.45, RATE, [&](double t) {
        const float first = low.sine(988, RATE) * envelope(t, 0.001, 0.05, 0.08);
        return first + high.sine(1319, RATE) * envelope(t - 0.07, 0.001, 0.12, 0.38);
    });
}

std::vector<float> soundSkid() {
    Noise noise(59);
    BandPass filter;
    Oscillator squeal, wobble;
    return render(0.85, RATE, [&](double t) {
        const float hiss = filter.process(noise.next(), 1800, 6, RATE);
        return (hiss + 0.4f * squeal.triangle(1700 + 120 * wobble.sine(13, RATE), RATE)) * envelope(t, 0.02, 0.5, 0.85);
    });
}

std::vector<float> soundRecordScratch() {
    Noise noise(61);
    BandPass filter;
    return render(0.5, RATE, [&](double t) {
        const double sweep = 600 + 2200 * std::fabs(std::sin(t * 2 * std::numbers::pi * 3));
        return filter.process(noise.next(), sweep, 4, RATE) * envelope(t, 0.005, 0.3, 0.5);
    });
}

std::vector<float> soundCrack() {
    Noise noise(67);
    LowPass filter;
    return render(0.2, RATE, [&](double t) {
        const float n = noise.next();
        return (n - filter.process(n, 900, RATE)) * envelope(t, 0.0005, 0.03, 0.2);
    });
}

std::vector<float> soundCarHorn() {
    Oscillator a, b;
    LowPass filter;
    return render(0.55, RATE, [&](double t) {
        return filter.process(a.square(392, RATE) + b.square(494, RATE), 2200, RATE) * envelope(t, 0.01, 2.0, 0.55);
    });
}

std::vector<float> soundSnowmanHit() {
    Oscillator thud;
    Noise noise(71);
    LowPass filter;
    return render(0.18, RATE, [&](double t) {
        return (thud.sine(glide(t, 160, 70, 0.15), RATE) + 0.5f * filter.process(noise.next(), 2500, RATE)) * envelope(t, 0.001, 0.05, 0.18);
    });
}

std::vector<float> soundSnowmanDie() {
    Noise noise(73);
    LowPass filter;
    Oscillator sigh;
    return render(0.6, RATE, [&](double t) {
        return (filter.process(noise.next(), glide(t, 4000, 400, 0.6), RATE) + 0.3f * sigh.sine(glide(t, 600, 200, 0.6), RATE)) *
               envelope(t, 0.005, 0.25, 0.6);
    });
}

// Two seconds of hi-lo, a whole number of cycles, so the loop joins without a seam.
std::vector<float> soundPoliceSiren() {
    Oscillator voice;
    LowPass filter;
    return loop(2.0, RATE, [&](double t) {
        const double hz = std::fmod(t, 1.0) < 0.5 ? 950 : 700;
        return filter.process(voice.square(hz, RATE, 0.4), 2500, RATE);
    }, 0.6f);
}

// A voice through a patrol's loudspeaker: a buzzing glottal tone whose vowels change with each
// of five syllables, squeezed through a narrow horn band and clipped, so that no word is clear.
// Clipping flattens the horn's taller side more, which leaves an offset; a coupling high-pass
// after the clipper takes it out.
std::vector<float> soundMegaphone() {
    Oscillator voice;
    BandPass low, high, horn;
    LowPass offset;
    const double vowels[][2] = {{700, 1200}, {400, 2000}, {600, 1000}, {300, 2300}, {650, 1700}};
    constexpr double SYLLABLE = 0.17;
    return render(5 * SYLLABLE + 0.1, RATE, [&](double t) {
        const int syllable = std::min(4, static_cast<int>(t / SYLLABLE));
        const double local = t - syllable * SYLLABLE;
        const double pitch = 150 * (1 + 0.15 * std::sin(t * 9)) * (syllable == 4 ? glide(local, 1.0, 0.8, SYLLABLE) : 1);
        const float buzz = voice.saw(pitch, RATE);
        const float formants = low.process(buzz, vowels[syllable][0], 4, RATE) + 0.6f * high.process(buzz, vowels[syllable][1], 5, RATE);
        const float tinny = horn.process(formants, 1500, 1.2, RATE);
        const float clipped = std::tanh(4 * tinny);
        return (clipped - offset.process(clipped, 40, RATE)) * envelope(local, 0.02, 0.12, SYLLABLE * 0.9);
    });
}
