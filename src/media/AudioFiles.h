#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "core/WideString.h"

/// The whole file, read through the engine's file manager (archives or disk); a missing one
/// is fatal.
std::shared_ptr<const std::vector<uint8_t>> readAudioFile(WideStringView path);
/// Returns when the file manager finds the file; else the same fatal error. The check of
/// delayed loading.
void verifyAudioFile(WideStringView path);
