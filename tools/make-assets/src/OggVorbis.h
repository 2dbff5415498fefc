#pragma once
#include <cstdint>
#include <vector>

/// Ogg Vorbis bytes of interleaved float samples (-1..1), at a fixed quality and stream serial,
/// so the same samples always give the same file.
std::vector<uint8_t> encodeOggVorbis(const std::vector<float>& interleaved, int channels, int frequency);
