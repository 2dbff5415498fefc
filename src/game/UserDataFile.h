#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>
#include "core/WideString.h"

/// The game's records in the user-data folder (settings with high scores, profiles): signed data
/// files keyed by the version text. Main thread only.

/// Fills `data` from the file `fileName` when it is intact and holds exactly `size` bytes, else
/// leaves `data` untouched and returns false. A file that is there but cannot be loaded is first
/// renamed to "<fileName>.bad" (replacing an older one), so that saving the defaults that now
/// stand never overwrites the only copy of what the user had.
bool loadUserDataFile(void* data, std::size_t size, WideStringView fileName);

/// Writes `size` bytes at `data` as the file `fileName`, atomically; false when it failed (the
/// old file then stands; the reason is logged).
bool saveUserDataFile(const void* data, std::size_t size, WideStringView fileName);

/// The bytes that `saveUserDataFile` writes for `size` bytes at `data` as the file `fileName`.
std::vector<uint8_t> makeUserDataFile(const void* data, std::size_t size, WideStringView fileName);
