#include "menus/Label.h"
#include "media/Color.h"
#include "media/FontQuad.h"
#include "menus/FadeAlpha.h"

namespace {

const Vector3 SHADOW_OFFSET{1.f, -1.f, 0.f};

} // namespace

Label::Label(float x, float y, float z, WideStringView labelText, FontQuad* labelFont, uint32_t colour)
    : font(labelFont), text(labelText) {
    position = {x, y, z};
    color = colour;
}

void Label::tick(double t, double dt) {
    Renderable::tick(t, dt);
    if (delay > 0.0) {
        delay -= dt;
        return;
    }
    if (age < duration) {
        age += dt;
        if (fadeIn > 0.0 || fadeOut > 0.0)
            color = withAlpha(color, fadeAlpha(age, duration, fadeIn, fadeOut));
    }
    if (age >= duration && removeWhenDone) markDead();
}

void Label::render() {
    if (hidden || delay > 0.0 || age >= duration || !font) return;
    updateTransform();
    if (hasShadow) {
        const uint32_t shadowAlpha = (color >> 24) * 64 / 255;
        font->renderTextShadowed(*this, text, textFlags, SHADOW_OFFSET, shadowAlpha << 24);
    } else {
        font->renderText(*this, text, textFlags);
    }
    VekBase::render();
}

void Label::fitWidth(int maximum) {
    if (!font) return;
    const float width = font->measureText(text, textFlags).width;
    if (width > static_cast<float>(maximum)) scale.x = static_cast<float>(maximum) / width;
}
