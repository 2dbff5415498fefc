#include "game/GameFont.h"
#include <cmath>
#include "media/FontQuad.h"
#include "media/Renderable.h"
#include "media/VekGraphics.h"

namespace {

// The size of one display pixel in world units.
float unitOf(float logical, int pixels) {
    return pixels > 0 ? logical / static_cast<float>(pixels) : 1.f;
}

} // namespace

Vector3 GameFont::snapToPixels(double x, double y, int displayWidth, int displayHeight) {
    const float ux = unitOf(640.f, displayWidth);
    const float uy = unitOf(480.f, displayHeight);
    return {std::trunc(static_cast<float>((x - 320.0) / ux)) * ux,
            std::trunc(static_cast<float>((240.0 - y) / uy)) * uy, 0.f};
}

float GameFont::squeezeToFit(float width, float room) {
    return width > room ? room / width : 1.f;
}

void GameFont::drawText(int flags, uint32_t colour, double x, double y, WideStringView text, double maxWidth) {
    const VekGraphics* graphics = VekGraphics::get();
    if (!graphics || graphics->bNoDraw) return;
    Renderable placement;
    placement.position = snapToPixels(x, y, graphics->displayWidth, graphics->displayHeight);
    const float unit = unitOf(640.f, graphics->displayWidth);
    const float squeeze = squeezeToFit(font->measureText(text, flags).width * unit, static_cast<float>(maxWidth));
    placement.scale = {unit * squeeze, unitOf(480.f, graphics->displayHeight), 1.f};
    placement.color = colour;
    placement.updateTransform();
    font->renderText(placement, text, flags);
}
