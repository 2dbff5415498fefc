#include "game/scene/Interpolation.h"
#include <algorithm>

namespace {

double lerp(double a, double b, double t) {
    return a + (b - a) * std::clamp(t, 0.0, 1.0);
}

double inverseLerp(double x0, double x1, double x) {
    if (x0 == x1) return 0.0;
    return std::clamp((x - x0) / (x1 - x0), 0.0, 1.0);
}

} // namespace

float lerpClamped(float a, float b, float t) {
    return static_cast<float>(lerp(a, b, t));
}

float inverseLerpClamped(float x0, float x1, float x) {
    return static_cast<float>(inverseLerp(x0, x1, x));
}

float remapClamped(float a, float b, float x0, float x1, float x) {
    return static_cast<float>(lerp(a, b, inverseLerp(x0, x1, x)));
}
