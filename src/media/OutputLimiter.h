#pragma once
#include <array>

/// Keeps the summed mix inside full scale without flattening it. While the sum stays within
/// -1..1 it passes untouched. Before a frame beyond that, the gain glides down over a short
/// look-ahead so that frame's peak lands on `CEILING`; it holds briefly, then climbs back to
/// 1 at a steady rate in dB. The look-ahead reaches only as far as the buffer being limited
/// (no added latency): a peak at the very start of a buffer gets a shorter glide, which
/// starts with a step. Both channels share one gain, so the stereo image stays put. Samples
/// that are not finite count as silence and come out as 0. The gain never falls below
/// `MIN_GAIN`, so it always climbs back; a frame beyond its reach is clamped to full scale. No
/// allocation; the same buffers always give the same output.
class OutputLimiter {
  public:
    /// Where the peaks of a limited mix land: a little under the top 16-bit code.
    static constexpr float CEILING = 0.98f;
    /// -40 dB: a hundred voices at full scale at once. Louder is no mix but a broken sample,
    /// which should not silence what follows for longer than the climb back from here.
    static constexpr float MIN_GAIN = 0.01f;
    static constexpr double LOOKAHEAD_SECONDS = 0.0015;
    static constexpr int MAX_LOOKAHEAD_FRAMES = 128;
    static constexpr double HOLD_SECONDS = 0.02; // longer than a cycle of the lowest tones
    static constexpr double RELEASE_DB_PER_SECOND = 20.0;

    explicit OutputLimiter(int outputFrequency);

    void setOutputFrequency(int frequency);
    /// Limits `frames` interleaved stereo frames of `samples` in place.
    void process(float* samples, int frames);

  private:
    /// True while the gain is 1 and nothing pulls it down.
    bool isAtRest() const;
    /// Lowers the glide's last values, which could not see this buffer, to what its first
    /// frames need.
    void catchUp(const float* samples, int frames);
    /// The lowest gain that the frames from `first` to the look-ahead's end need.
    float lowestAhead(const float* samples, int first, int frames) const;
    /// `lowest`, or the held or climbing gain when that is lower.
    float envelope(float lowest);
    /// The mean of the envelope's last `lookahead` values: the glide.
    float glide(float latest);

    int lookahead = 1;                                // frames
    std::array<float, MAX_LOOKAHEAD_FRAMES> recent{}; // the envelope's latest values, a ring
    int newest = 0;
    float held = 1.0f;
    int holdFrames = 0;
    int holdLeft = 0;
    float releaseStep = 1.0f; // gain factor per frame while it climbs back
};
