#include "game/TransitionOverlay.h"
#include <algorithm>
#include <numbers>
#include "media/Easing.h"
#include "media/Transform.h"
#include "media/VekGraphics.h"

namespace {

constexpr float SQUARE_HALF_SIZE = 0.7f; // times the screen width
constexpr float BAND_WIDTH = 128.f;      // units
constexpr float START_DISTANCE = 1.4f;   // times the screen width, along the diagonal
constexpr int EASING = 1;
constexpr uint32_t BLACK = 0xFF000000;
constexpr uint32_t CLEAR_BLACK = 0x00000000;

void drawRect(VekGraphics& graphics, const Transform& world, float left, float right, float half,
              uint32_t leftColour, uint32_t rightColour, platform::BlendMode blend) {
    graphics.drawQuad(nullptr,
                      {VekGraphics::QuadCorner{world.apply({left, half, 0.f}), 0.f, 0.f, leftColour},
                       VekGraphics::QuadCorner{world.apply({right, half, 0.f}), 0.f, 0.f, rightColour},
                       VekGraphics::QuadCorner{world.apply({right, -half, 0.f}), 0.f, 0.f, rightColour},
                       VekGraphics::QuadCorner{world.apply({left, -half, 0.f}), 0.f, 0.f, leftColour}},
                      blend);
}

} // namespace

void TransitionOverlay::tick(double t, double dt) {
    Renderable::tick(t, dt);
    const float step = static_cast<float>(SPEED * dt);
    if (level < target)
        level = std::min(target, level + step);
    else if (level > target)
        level = std::max(target, level - step);
}

void TransitionOverlay::render() {
    VekGraphics* graphics = VekGraphics::get();
    if (level == 0.f || !graphics) return;
    const float w = static_cast<float>(graphics->screenWidth);
    const Vector3 at = interpolateEased({START_DISTANCE * w, -START_DISTANCE * w, 0.f}, {}, level, EASING);
    const Transform world = Transform::compose(at, 3.f * std::numbers::pi_v<float> / 4.f, {1.f, 1.f, 1.f});
    const float half = SQUARE_HALF_SIZE * w;
    const View previous = graphics->getView();
    graphics->setView(graphics->getScreenView());
    drawRect(*graphics, world, -half, half, half, BLACK, BLACK, platform::BlendMode::Opaque);
    if (graphics->bDetail)
        drawRect(*graphics, world, half, half + BAND_WIDTH, half, BLACK, CLEAR_BLACK,
                 platform::BlendMode::Alpha);
    graphics->setView(previous);
}
