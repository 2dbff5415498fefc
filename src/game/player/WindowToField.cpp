#include "game/player/WindowToField.h"
#include <algorithm>
#include "media/VekGraphics.h"

Vector2 windowToField(float x, float y) {
    const VekGraphics* graphics = VekGraphics::get();
    if (!graphics) return {x, y};
    const Vector3 screen = graphics->windowToScreen({x, y, 0.f});
    const auto width = static_cast<float>(std::max(graphics->screenWidth, 1));
    const auto height = static_cast<float>(std::max(graphics->screenHeight, 1));
    return {screen.x * 640.f / width, 480.f - screen.y * 480.f / height};
}
