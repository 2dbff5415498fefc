#pragma once
#include <array>
#include <cstdint>
#include "core/StringKeys.h"
#include "core/WideString.h"
#include "game/hud/CaptionId.h"

class Language;

constexpr int WAVE_COUNT = 110;
constexpr int STAGES_PER_SYSTEM = 10;
constexpr int CAPTION_LINES = 3;

/// The texts of the second and third caption lines of a wave and their blink periods in
/// frames (0 = steady). A third line of STR_NULL stays empty.
struct WaveCaptionKeys {
    StringId line2;
    StringId line3 = STR_NULL;
    int32_t blink2 = 0;
    int32_t blink3 = 0;
};

/// What the game shows while a wave runs: three caption lines, what each says, their blink
/// periods in frames (0 = steady), and the sky's scroll speed. A fresh record shows nothing.
struct WaveCaption {
    std::array<WideString, CAPTION_LINES> texts;
    std::array<CaptionId, CAPTION_LINES> ids{};
    std::array<int32_t, CAPTION_LINES> blinks{};
    int32_t skySpeed = -1;
};

/// The caption keys of `wave` (1 to WAVE_COUNT).
WaveCaptionKeys selectWaveCaptionKeys(int wave);

/// The sky's scroll speed during `wave` (1 to WAVE_COUNT).
int32_t waveSkySpeed(int wave);

/// The caption of `wave` (1 to WAVE_COUNT) in the language current in `language`; the first
/// line is the word for a wave and the wave's number.
WaveCaption buildWaveCaption(const Language& language, int wave);

/// The captions of every wave, indexed by wave number; index 0 is never shown and stays fresh.
/// The game builds them once when it starts, so a game keeps the language it began in.
std::array<WaveCaption, WAVE_COUNT + 1> buildWaveCaptions(const Language& language);
