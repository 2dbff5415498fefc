#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "AssetTable.h"

struct ArchiveEntry {
    std::string name;
    std::vector<uint8_t> bytes;
};

/// The picture file and its frame list.
std::vector<ArchiveEntry> textureEntries(const TextureRecipe& recipe);
/// The picture of a texture, painted.
TexturePicture paintTexture(const TextureRecipe& recipe);
ArchiveEntry soundEntry(const SoundRecipe& recipe);
ArchiveEntry musicEntry(const MusicRecipe& recipe);

/// The archive file names beside the program, after the build identifier's ".dat".
inline const char* const MAIN_ARCHIVE = "ZV2rmBrumedemo.dat";
inline const char* const LANGUAGE_ARCHIVE = "ZV2rmBrumedemo.dat.language.v2";

/// Makes every entry (on `threads` threads; the result does not depend on their number) and
/// writes the archives into `folder`. False with `error` when one could not be written.
bool writeArchives(const std::string& folder, int threads, int zopfliIterations, std::string& error);
