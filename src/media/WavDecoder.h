#pragma once
#include <cstdint>
#include <span>
#include <string>
#include "media/PcmData.h"

/// Reads a RIFF/WAVE file: PCM of 8 or 16 bits or 32-bit float (plain or extensible format),
/// mono or stereo. Chunks may come in any order; a data chunk cut short keeps the whole frames
/// that are there. False with a reason in `error` for anything else; never reads out of bounds.
bool decodeWav(std::span<const uint8_t> bytes, PcmData& out, std::string& error);
