#include "menus/Snowfall.h"
#include <cmath>
#include <numbers>
#include "core/Camera.h"
#include "core/GameRandom.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"

namespace {

constexpr float TWO_PI = 2.f * std::numbers::pi_v<float>;
constexpr float FLAKE_SCALE = 0.6f;
constexpr int VARIANTS = 10; // frames per size class

int sizeClassOf(float r) {
    return r <= 0.3f ? 0 : r <= 0.7f ? 1 : 2;
}

float uniform(float from, float to) {
    return from + static_cast<float>(gameRandom.fraction()) * (to - from);
}

/// `value` brought into [centre - half, centre + half) by whole periods.
float wrapInto(float value, float centre, float half) {
    const float span = 2.f * half;
    if (!(span > 0.f)) return value;
    while (value < centre - half)
        value += span;
    while (value >= centre + half)
        value -= span;
    return value;
}

} // namespace

Snowfall::Snowfall(const Camera& followed, float scale) : camera(followed), areaScale(scale) {
    const Texture* texture = Vek::get()->getResourceManager().find<Texture>(u"bmp_snowflake");
    VEK_ASSERT(!texture->skins.empty());
    const float w = areaWidth();
    const float h = areaHeight();
    const int third = static_cast<int>(w) / 3;
    for (Flake& flake : flakes) {
        const float r = static_cast<float>(gameRandom.fraction());
        flake.phase = static_cast<float>(gameRandom.fraction()) * TWO_PI;
        flake.y = uniform(-h / 2.f, h / 2.f);
        flake.x = uniform(-w / 2.f, w / 2.f);
        flake.z = r * static_cast<float>(-third);
        const int frame = gameRandom.next() % VARIANTS + VARIANTS * sizeClassOf(r);
        flake.renderable.setSkin(texture->skins[static_cast<std::size_t>(frame) % texture->skins.size()]);
        flake.renderable.setScaleXY(FLAKE_SCALE);
    }
}

float Snowfall::areaWidth() const {
    const VekGraphics* graphics = VekGraphics::get();
    return areaScale * static_cast<float>(graphics ? graphics->screenWidth : VekGraphics::LOGICAL_WIDTH);
}

float Snowfall::areaHeight() const {
    const VekGraphics* graphics = VekGraphics::get();
    return areaScale * static_cast<float>(graphics ? graphics->screenHeight : VekGraphics::LOGICAL_HEIGHT);
}

void Snowfall::tick(double t, double dt) {
    VekBase::tick(t, dt);
    const float step = static_cast<float>(dt);
    const float halfW = areaWidth() / 2.f;
    const float halfH = areaHeight() / 2.f;
    for (Flake& flake : flakes) {
        flake.x = wrapInto(flake.x, camera.x, halfW);
        flake.y = wrapInto(flake.y, camera.y, halfH);
        flake.phase = std::fmod(flake.phase + SWAY_RATE * step, TWO_PI);
        flake.y -= FALL_SPEED * step;
        flake.renderable.position = {flake.x + SWAY * std::cos(flake.phase), flake.y, flake.z};
    }
}

void Snowfall::render() {
    for (Flake& flake : flakes)
        flake.renderable.render();
}
