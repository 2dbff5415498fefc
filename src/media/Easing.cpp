#include "media/Easing.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {

using Curve = float (*)(float);

float inOut(float t, Curve in) {
    return t < 0.5f ? in(2.f * t) * 0.5f : 1.f - in(2.f - 2.f * t) * 0.5f;
}
float out(float t, Curve in) {
    return 1.f - in(1.f - t);
}

float linear(float t) {
    return t;
}
float quadIn(float t) {
    return t * t;
}
float cubicIn(float t) {
    return t * t * t;
}
float quartIn(float t) {
    return t * t * t * t;
}
float sineIn(float t) {
    return 1.f - std::cos(t * std::numbers::pi_v<float> * 0.5f);
}
float expoIn(float t) {
    return t <= 0.f ? 0.f : std::pow(2.f, 10.f * (t - 1.f));
}

float bounceOut(float t) {
    constexpr float n = 7.5625f;
    constexpr float d = 2.75f;
    if (t < 1.f / d) return n * t * t;
    if (t < 2.f / d) return n * (t - 1.5f / d) * (t - 1.5f / d) + 0.75f;
    if (t < 2.5f / d) return n * (t - 2.25f / d) * (t - 2.25f / d) + 0.9375f;
    return n * (t - 2.625f / d) * (t - 2.625f / d) + 0.984375f;
}

float backOut(float t) {
    constexpr float s = 1.70158f;
    const float u = t - 1.f;
    return 1.f + u * u * ((s + 1.f) * u + s);
}

constexpr std::array<Curve, static_cast<std::size_t>(EaseKind::Count)> CURVES = {
    linear,
    quadIn,
    [](float t) { return out(t, quadIn); },
    [](float t) { return inOut(t, quadIn); },
    cubicIn,
    [](float t) { return out(t, cubicIn); },
    [](float t) { return inOut(t, cubicIn); },
    quartIn,
    [](float t) { return out(t, quartIn); },
    [](float t) { return inOut(t, quartIn); },
    sineIn,
    [](float t) { return out(t, sineIn); },
    [](float t) { return inOut(t, sineIn); },
    expoIn,
    [](float t) { return out(t, expoIn); },
    [](float t) { return inOut(t, expoIn); },
    backOut,
    bounceOut,
};

} // namespace

float ease(int kind, float t) {
    t = std::clamp(t, 0.f, 1.f);
    if (kind < 0 || kind >= static_cast<int>(CURVES.size())) return t;
    return CURVES[static_cast<std::size_t>(kind)](t);
}

Vector3 interpolateEased(const Vector3& from, const Vector3& to, float t, int kind) {
    return from + (to - from) * ease(kind, t);
}
