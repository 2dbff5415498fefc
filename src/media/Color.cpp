#include "media/Color.h"
#include <algorithm>
#include <cmath>

uint32_t lerpColor(uint32_t a, uint32_t b, float t) {
    t = std::clamp(t, 0.f, 1.f);
    uint32_t mixed = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const float from = static_cast<float>((a >> shift) & 0xFF);
        const float to = static_cast<float>((b >> shift) & 0xFF);
        mixed |= static_cast<uint32_t>(std::lround(from + (to - from) * t)) << shift;
    }
    return mixed;
}
