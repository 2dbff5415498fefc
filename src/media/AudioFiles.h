#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "core/WideString.h"

/// The whole file, read through the engine's files; a missing or unreadable one is fatal.
std::shared_ptr<const std::vector<uint8_t>> readAudioFile(const WideString& path);
/// Fatal when the file does not exist (the check of delayed loading).
void verifyAudioFile(const WideString& path);
