#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "media/PcmData.h"

/// Longest sample decoded whole into memory; longer sound belongs in a stream.
constexpr size_t MAX_SAMPLE_FRAMES = size_t{1} << 24;

/// Decodes a whole WAV or Ogg Vorbis file (told apart by their signatures) into the mixer's
/// format, once, at load. False with a reason in `error` for anything it cannot read.
bool decodeSample(const std::shared_ptr<const std::vector<uint8_t>>& bytes, PcmData& out, std::string& error);
