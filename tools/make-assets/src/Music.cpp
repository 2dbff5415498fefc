// A small sequencer: a chord progression, a melody built from a motif in an A A' B A form,
// bass, pad, bells and drums, rendered into one seamless loop (notes that ring past the end
// wrap round onto its start).
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <numbers>
#include "AssetTable.h"
#include "Sounds.h"
#include "Synth.h"
#include "core/GameRandom.h"

using namespace synth;

namespace {

constexpr int RATE = MUSIC_FREQUENCY;

enum class Lead { Square, Bell, Flute };
enum class Drums { None, March, Groove, Sleigh };

struct PieceStyle {
    double bpm;
    int root;     // MIDI note of the key's tonic, bass octave
    bool bMinor;
    std::array<int, 8> progression;  // scale degrees, one chord per bar
    Lead lead;
    Drums drums;
    bool bPad;
    uint32_t seed;
};

class LoopBuffer {
public:
    explicit LoopBuffer(std::size_t frames) : left(frames), right(frames) {}

    // Adds `seconds` of a voice starting at `start`, panned -1..1.
    void add(double start, double seconds, double pan, const std::function<float(double t)>& voice) {
        const std::size_t first = static_cast<std::size_t>(start * RATE);
        const std::size_t count = static_cast<std::size_t>(seconds * RATE);
        const float l = static_cast<float>(std::sqrt(0.5 * (1 - pan))), r = static_cast<float>(std::sqrt(0.5 * (1 + pan)));
        for (std::size_t i = 0; i < count; ++i) {
            const float s = voice(double(i) / RATE);
            const std::size_t at = (first + i) % left.size();
            left[at] += s * l;
            right[at] += s * r;
        }
    }

    std::vector<float> interleaved() const {
        std::vector<float> out(left.size() * 2);
        for (std::size_t i = 0; i < left.size(); ++i) {
            out[2 * i] = left[i];
            out[2 * i + 1] = right[i];
        }
        normalize(out, 0.85f);
        return out;
    }

private:
    std::vector<float> left, right;
};

int scaleNote(const PieceStyle& style, int degree) {
    static const int MAJOR[] = {0, 2, 4, 5, 7, 9, 11};
    static const int MINOR[] = {0, 2, 3, 5, 7, 8, 10};
    const int octave = degree >= 0 ? degree / 7 : (degree - 6) / 7;
    const int step = degree - octave * 7;
    return style.root + 12 * octave + (style.bMinor ? MINOR : MAJOR)[step];
}

float sustained(double t, double attack, double length, double release) {
    if (t < 0) return 0;
    const double rise = attack > 0 ? std::min(1.0, t / attack) : 1.0;
    if (t < length) return static_cast<float>(rise);
    return static_cast<float>(rise * std::max(0.0, 1 - (t - length) / release));
}

void addLead(LoopBuffer& buffer, Lead lead, double start, double length, int note) {
    const double hz = noteHz(note);
    switch (lead) {
    case Lead::Square: {
        auto voice = std::make_shared<Oscillator>();
        auto vibrato = std::make_shared<Oscillator>();
        buffer.add(start, length + 0.15, -0.2, [=](double t) {
            const double wobble = t > 0.15 ? 0.006 * vibrato->sine(5.5, RATE) : 0;
            return 0.22f * voice->square(hz * (1 + wobble), RATE, 0.25) * sustained(t, 0.01, length * 0.85, 0.1);
        });
        break;
    }
    case Lead::Bell: {
        auto carrier = std::make_shared<Oscillator>();
        auto modulator = std::make_shared<Oscillator>();
        buffer.add(start, 1.6, 0.25, [=](double t) {
            const double index = 2.5 * std::exp(-t * 4);
            const double phase = modulator->sine(hz * 3.5, RATE) * index;
            return 0.35f * static_cast<float>(std::sin(2 * std::numbers::pi * carrier->step(hz, RATE) + phase)) * envelope(t, 0.002, 0.45, 1.6);
        });
        break;
    }
    case Lead::Flute: {
        auto voice = std::make_shared<Oscillator>();
        auto breath = std::make_shared<Noise>(note);
        auto vibrato = std::make_shared<Oscillator>();
        buffer.add(start, length + 0.2, -0.15, [=](double t) {
            const double wobble = 0.005 * vibrato->sine(5, RATE);
            return (0.4f * voice->triangle(hz * (1 + wobble), RATE) + 0.03f * breath->next()) * sustained(t, 0.04, length * 0.9, 0.15);
        });
        break;
    }
    }
}

void addBass(LoopBuffer& buffer, double start, double length, int note) {
    auto voice = std::make_shared<Oscillator>();
    auto filter = std::make_shared<LowPass>();
    const double hz = noteHz(note);
    buffer.add(start, length + 0.05, 0, [=](double t) {
        return 0.45f * filter->process(voice->saw(hz, RATE), 900, RATE) * sustained(t, 0.005, length * 0.9, 0.05);
    });
}

void addPad(LoopBuffer& buffer, double start, double length, const std::array<int, 3>& chord) {
    for (int i = 0; i < 3; ++i) {
        auto a = std::make_shared<Oscillator>();
        auto b = std::make_shared<Oscillator>();
        auto filter = std::make_shared<LowPass>();
        const double hz = noteHz(chord[i] + 12);
        buffer.add(start, length + 0.4, i - 1.0, [=](double t) {
            const float raw = a->saw(hz * 0.997, RATE) + b->saw(hz * 1.003, RATE);
            return 0.06f * filter->process(raw, 1400, RATE) * sustained(t, 0.25, length, 0.4);
        });
    }
}

void addKick(LoopBuffer& buffer, double start) {
    auto voice = std::make_shared<Oscillator>();
    buffer.add(start, 0.3, 0, [=](double t) { return 0.7f * voice->sine(glide(t, 140, 45, 0.12), RATE) * envelope(t, 0.001, 0.1, 0.3); });
}

void addSnare(LoopBuffer& buffer, double start, uint32_t seed) {
    auto noise = std::make_shared<Noise>(seed);
    auto filter = std::make_shared<BandPass>();
    buffer.add(start, 0.2, 0.1, [=](double t) { return 0.5f * filter->process(noise->next(), 1800, 1.2, RATE) * envelope(t, 0.001, 0.05, 0.2); });
}

void addHat(LoopBuffer& buffer, double start, uint32_t seed, double pan) {
    auto noise = std::make_shared<Noise>(seed);
    auto filter = std::make_shared<LowPass>();
    buffer.add(start, 0.06, pan, [=](double t) {
        const float n = noise->next();
        return 0.25f * (n - filter->process(n, 6000, RATE)) * envelope(t, 0.001, 0.015, 0.06);
    });
}

void addJingle(LoopBuffer& buffer, double start, uint32_t seed) {
    auto noise = std::make_shared<Noise>(seed);
    auto filter = std::make_shared<BandPass>();
    auto tremolo = std::make_shared<Oscillator>();
    buffer.add(start, 0.18, 0.4, [=](double t) {
        return 0.35f * filter->process(noise->next(), 7000, 3, RATE) * (0.6f + 0.4f * tremolo->sine(45, RATE)) * envelope(t, 0.002, 0.05, 0.18);
    });
}

// Eight eighth-note slots of a two-bar motif: a degree offset from the chord root, or none.
struct Motif {
    std::array<int, 16> degrees;
    std::array<bool, 16> bPlayed;
};

Motif makeMotif(GameRandom& random) {
    Motif motif{};
    int degree = random.below(3) * 2;
    for (int slot = 0; slot < 16; ++slot) {
        motif.bPlayed[slot] = slot % 4 == 0 || random.below(100) < 55;
        if (slot % 4 == 0) degree = (random.below(3)) * 2;  // strong beats take chord tones
        else degree += random.below(3) - 1;
        motif.degrees[slot] = degree;
    }
    motif.bPlayed[15] = false;
    return motif;
}

void addDrums(LoopBuffer& buffer, Drums drums, int bar, double beat) {
    const double barStart = bar * 4 * beat;
    for (int eighth = 0; eighth < 8; ++eighth) {
        const double at = barStart + eighth * beat / 2;
        const uint32_t seed = static_cast<uint32_t>(bar * 8 + eighth + 1);
        switch (drums) {
        case Drums::None: break;
        case Drums::March:
            if (eighth % 4 == 0) addKick(buffer, at);
            if (eighth % 4 == 2) addSnare(buffer, at, seed);
            if (eighth == 7) addSnare(buffer, at + beat / 4, seed + 99);
            break;
        case Drums::Groove:
            if (eighth == 0 || eighth == 3 || eighth == 4) addKick(buffer, at);
            if (eighth == 2 || eighth == 6) addSnare(buffer, at, seed);
            addHat(buffer, at, seed, eighth % 2 ? 0.3 : -0.3);
            break;
        case Drums::Sleigh:
            if (eighth % 4 == 0) addKick(buffer, at);
            if (eighth % 4 == 2) addSnare(buffer, at, seed);
            addJingle(buffer, at, seed);
            break;
        }
    }
}

std::vector<float> compose(const PieceStyle& style) {
    constexpr int BARS = 16;
    const double beat = 60.0 / style.bpm;
    LoopBuffer buffer(static_cast<std::size_t>(BARS * 4 * beat * RATE));
    GameRandom random;
    random.setSeed(style.seed);
    const Motif a = makeMotif(random), b = makeMotif(random);
    const Motif* form[] = {&a, &a, &b, &a};
    for (int bar = 0; bar < BARS; ++bar) {
        const int degree = style.progression[bar % 8];
        const double barStart = bar * 4 * beat;
        const std::array<int, 3> chord = {scaleNote(style, degree), scaleNote(style, degree + 2), scaleNote(style, degree + 4)};
        if (style.bPad) addPad(buffer, barStart, 4 * beat, chord);
        for (int step = 0; step < 4; ++step) {
            const int note = step % 2 ? chord[0] + 12 : chord[0];
            addBass(buffer, barStart + step * beat, beat, step == 3 ? scaleNote(style, degree + 4) : note);
        }
        addDrums(buffer, style.drums, bar, beat);
        const Motif& motif = *form[(bar / 2) % 4];
        const bool bAnswer = bar % 8 >= 4 && form[(bar / 2) % 4] == &a;  // A' rises in its second half
        for (int half = 0; half < 8; ++half) {
            const int slot = (bar % 2) * 8 + half;
            if (!motif.bPlayed[slot]) continue;
            int length = 1;
            while (slot + length < 16 && !motif.bPlayed[slot + length] && length < 4) ++length;
            const int melodyDegree = degree + motif.degrees[slot] + (bAnswer ? 1 : 0) + 14;
            addLead(buffer, style.lead, barStart + half * beat / 2, length * beat / 2, scaleNote(style, melodyDegree));
        }
    }
    return buffer.interleaved();
}

}  // namespace

std::vector<float> musicFrosty() {
    return compose({132, 43, false, {0, 3, 4, 0, 5, 3, 1, 4}, Lead::Square, Drums::Groove, true, 101});
}
std::vector<float> musicWishes() {
    return compose({112, 41, false, {0, 5, 3, 4, 0, 5, 1, 4}, Lead::Bell, Drums::March, true, 202});
}
std::vector<float> musicBells() {
    return compose({144, 45, false, {0, 4, 5, 3, 0, 4, 3, 4}, Lead::Bell, Drums::Sleigh, false, 303});
}
std::vector<float> musicSleigh() {
    return compose({150, 38, false, {0, 0, 3, 3, 4, 4, 0, 4}, Lead::Square, Drums::Sleigh, true, 404});
}
std::vector<float> musicHalls() {
    return compose({120, 40, false, {0, 4, 0, 4, 5, 1, 4, 0}, Lead::Flute, Drums::Groove, true, 505});
}
std::vector<float> musicFaithful() {
    return compose({96, 45, true, {0, 5, 2, 6, 0, 3, 4, 0}, Lead::Flute, Drums::None, true, 606});
}
