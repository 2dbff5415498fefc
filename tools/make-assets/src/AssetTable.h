#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>
#include "Sheet.h"

/// The archive a file goes into.
enum class Archive { Main, Language };

struct TextureRecipe;
using TextureMaker = TexturePicture (*)(const TextureRecipe& recipe);

/// One texture of the game: its file, the name the loader gives it, and the frame count and
/// the size of frame 0 in pixels that the game relies on.
struct TextureRecipe {
    const char* path;
    const char* name;
    Archive archive;
    int frameCount;
    int frameWidth, frameHeight;
    TextureMaker make;
};

/// One sound sample: mono float samples at `frequency`. Where `rms` is above 0, the sound goes
/// into the archive at that RMS, as far as the ceiling on its peaks allows, instead of the level
/// its synthesis gave it: for sounds whose peak says little of their loudness.
struct SoundRecipe {
    const char* path;
    const char* name;
    int frequency;
    std::vector<float> (*synthesize)();
    float rms = 0.0f;
};

/// One looped music stream: interleaved stereo float samples at 44100 Hz; `rms` as a sound's.
struct MusicRecipe {
    const char* path;
    const char* name;
    std::vector<float> (*compose)();
    float rms = 0.0f;
};

std::span<const TextureRecipe> textureRecipes();
std::span<const SoundRecipe> soundRecipes();
std::span<const MusicRecipe> musicRecipes();

constexpr int MUSIC_FREQUENCY = 44100;
