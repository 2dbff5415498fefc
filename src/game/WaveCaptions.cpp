#include "game/WaveCaptions.h"
#include "core/ErrorManager.h"
#include "core/Format.h"
#include "core/Language.h"

namespace {

/// Systems are counted from 0 here; the asteroid belt has a caption of its own for every stage.
constexpr int ASTEROID_BELT = 5;

constexpr WaveCaptionKeys ASTEROID_BELT_STAGES[STAGES_PER_SYSTEM] = {
    {STR_WAVE50, STR_WAVE50B, 0, 2},
    {STR_WAVE51},
    {STR_WAVE52},
    {STR_WAVE53},
    {STR_WAVE54},
    {STR_WAVE55},
    {STR_WAVE56},
    {STR_WAVE57},
    {STR_WAVE58},
    {STR_WAVE59, STR_WAVE59B},
};

/// Stages 4 to 6 of the other systems follow the system's theme, chosen by system mod 5;
/// theme 2 changes once the belt lies behind.
constexpr int THEMES = 5;
constexpr int FIRST_THEMED_STAGE = 4;
constexpr int THEMED_STAGES = 3;
constexpr WaveCaptionKeys THEMED[THEMES][THEMED_STAGES] = {
    {{STR_WAVE04}, {STR_WAVE05}, {STR_WAVE06}},
    {{STR_WAVE14}, {STR_WAVE15, STR_WAVE15B, 0, 2}, {STR_WAVE16, STR_WAVE16B, 2, 0}},
    {{STR_WAVE24, STR_WAVE24B}, {STR_WAVE25}, {STR_WAVE26}},
    {{STR_WAVE34, STR_WAVE34B, 0, 2}, {STR_WAVE35}, {STR_WAVE36}},
    {{STR_WAVE44, STR_WAVE44B, 2, 0}, {STR_WAVE45}, {STR_WAVE46}},
};
constexpr WaveCaptionKeys THEME_2_AFTER_BELT[THEMED_STAGES] = {
    {STR_WAVE74, STR_WAVE74B}, {STR_WAVE75}, {STR_WAVE76}};

/// The last stage of these systems meets the mothership.
struct MothershipWave {
    int system;
    WaveCaptionKeys keys;
};
constexpr MothershipWave MOTHERSHIP_WAVES[] = {
    {3, {STR_WAVE39, STR_WAVE39B, 0, 1}},
    {6, {STR_WAVE69, STR_WAVE69B}},
    {10, {STR_WAVE109, STR_WAVE109B, 0, 1}},
};

WaveCaptionKeys lastStageKeys(int system) {
    for (const MothershipWave& entry : MOTHERSHIP_WAVES)
        if (entry.system == system) return entry.keys;
    return {system % 2 == 0 ? STR_WAVEX9EVEN : STR_WAVEX9ODD};
}

WaveCaptionKeys themedStageKeys(int system, int stage) {
    const int theme = system % THEMES;
    const int index = stage - FIRST_THEMED_STAGE;
    if (theme == 2 && system > ASTEROID_BELT) return THEME_2_AFTER_BELT[index];
    return THEMED[theme][index];
}

}  // namespace

WaveCaptionKeys selectWaveCaptionKeys(int wave) {
    VEK_ASSERT(wave >= 1 && wave <= WAVE_COUNT);
    const int system = (wave - 1) / STAGES_PER_SYSTEM;
    const int stage = (wave - 1) % STAGES_PER_SYSTEM;
    if (system == ASTEROID_BELT) return ASTEROID_BELT_STAGES[stage];
    switch (stage) {
    case 0:
        return {system == 0 ? STR_WAVE00 : STR_WAVEX0};
    case 1:
        return {STR_WAVEX1};
    case 2:
        return {STR_WAVEX2};
    case 3:
        return {STR_WAVEX3, STR_WAVEX3B, 0, 2};
    case 7:
        return {STR_WAVEX7, STR_WAVEX7B};
    case 8:
        return {STR_WAVEX8};
    case 9:
        return lastStageKeys(system);
    default:
        return themedStageKeys(system, stage);
    }
}

int32_t waveSkySpeed(int wave) {
    VEK_ASSERT(wave >= 1 && wave <= WAVE_COUNT);
    const int system = (wave - 1) / STAGES_PER_SYSTEM;
    const int stage = (wave - 1) % STAGES_PER_SYSTEM;
    // The last wave of a system slows the sky down, except in the belt.
    if (stage == STAGES_PER_SYSTEM - 1 && system != ASTEROID_BELT) return -1;
    return -(stage + 1);
}

WaveCaption buildWaveCaption(const Language& language, int wave) {
    const WaveCaptionKeys keys = selectWaveCaptionKeys(wave);
    WaveCaption caption;
    caption.texts[0] = stringf(u"%s %d", language.getString(STR_WAVEDEFAULT), wave);
    caption.texts[1] = language.getString(keys.line2);
    if (keys.line3 != STR_NULL) caption.texts[2] = language.getString(keys.line3);
    caption.ids = {CaptionId{STR_WAVEDEFAULT, wave}, CaptionId{keys.line2}, CaptionId{keys.line3}};
    caption.blinks = {0, keys.blink2, keys.blink3};
    caption.skySpeed = waveSkySpeed(wave);
    return caption;
}

std::array<WaveCaption, WAVE_COUNT + 1> buildWaveCaptions(const Language& language) {
    std::array<WaveCaption, WAVE_COUNT + 1> captions;
    for (int wave = 1; wave <= WAVE_COUNT; ++wave)
        captions[wave] = buildWaveCaption(language, wave);
    return captions;
}
