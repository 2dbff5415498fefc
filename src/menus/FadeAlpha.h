#pragma once
#include <cstdint>

/// The alpha (0..255, toward zero) of something shown for `duration` seconds that is `age`
/// seconds old, fading in over its first `fadeIn` and out over its last `fadeOut` seconds
/// (0: no fade).
uint8_t fadeAlpha(double age, double duration, double fadeIn, double fadeOut);
