#pragma once
#include <cstddef>
#include <vector>

/// Decoded sound in the mixer's format: interleaved 32-bit floats in -1..1, one or two
/// channels, at the sound's own frequency (the mixer resamples while it plays).
struct PcmData {
    int frequency = 0;
    int channels = 0;
    std::vector<float> samples;

    size_t frameCount() const { return channels > 0 ? samples.size() / static_cast<size_t>(channels) : 0; }
};
