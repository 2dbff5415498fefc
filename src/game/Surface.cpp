#include "game/Surface.h"
#include <algorithm>
#include "core/ErrorManager.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"

namespace {

// Whole-pixel halves toward zero, then down to an even number, as the skin's origin moves by.
int evenPart(int value) {
    return value / 2 * 2;
}

} // namespace

Surface::Surface(Texture* texture, int frameIndex) : next(this) {
    renderable.bBoundsOff = true;
    renderable.setScaleXY(0.5f);
    VEK_ASSERT(frameIndex >= 0 && static_cast<std::size_t>(frameIndex) < texture->skins.size());
    TextureSkin* skin = texture->skins[static_cast<std::size_t>(frameIndex)];
    const int halfW = static_cast<int>(skin->width * 0.5);
    const int halfH = static_cast<int>(skin->height * 0.5);
    skin->origin.x += static_cast<float>(-evenPart(halfW));
    skin->origin.y += static_cast<float>(evenPart(halfH));
    if (renderable.getSkin() != skin) {
        renderable.setSkin(skin);
        renderable.updateTransform();
    }
    width = halfW;
    height = halfH;
    setAnchor(5);
}

void Surface::setAnchor(int code) {
    // Keypad layout: fractions of the size (in halves) from the left and from the top.
    static constexpr int COLUMN[] = {0, 0, 1, 2, 0, 1, 2, 0, 1, 2};
    static constexpr int ROW[] = {0, 2, 2, 2, 1, 1, 1, 0, 0, 0};
    VEK_ASSERT(code >= 0 && code <= 9);
    const auto pick = [](int size, int halves) { return halves == 0 ? 0 : halves == 1 ? size / 2 : size; };
    hotspotX = pick(width, COLUMN[code]);
    hotspotY = pick(height, ROW[code]);
}

void Surface::getBoundingCircle(double x, double y, double& cx, double& cy, double& r) const {
    cx = (x - hotspotX) + width / 2;
    cy = (y - hotspotY) + height / 2;
    r = (std::max(width, height) / 2) * radiusFactor;
}

void Surface::setScreenPosition(double x, double y) {
    const VekGraphics* graphics = VekGraphics::get();
    if (!graphics || graphics->bNoDraw) return;
    const int sx = static_cast<int>(x - hotspotX) - 320;
    const int sy = 240 - static_cast<int>(y - hotspotY);
    renderable.position = {static_cast<float>(sx), static_cast<float>(sy), 0.f};
    renderable.updateTransform();
    renderable.render();
}
