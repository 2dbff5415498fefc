#pragma once
#include <cstdint>

/// A random 32-bit identifier (of an installation or a profile) from two draws of `gameRandom`:
/// the second draw fills the high half, the first the low half.
uint32_t drawRandomIdentifier();
