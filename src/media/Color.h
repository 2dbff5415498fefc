#pragma once
#include <cstdint>

/// ARGB colours mixed channel by channel: `a` at t = 0, `b` at t = 1; t is clamped to 0..1.
uint32_t lerpColor(uint32_t a, uint32_t b, float t);

/// The colour with its alpha channel replaced.
constexpr uint32_t withAlpha(uint32_t argb, uint8_t alpha) {
    return (argb & 0x00FFFFFFu) | (uint32_t{alpha} << 24);
}
