#pragma once
#include <cstdint>

namespace platform {

/// 32 bits from the operating system's random source (getrandom), for identifiers that must
/// differ between installations; never from the game's seeded generator.
uint32_t systemRandom32();

}  // namespace platform
