#include "menus/Label.h"
#include "media/FontQuad.h"

namespace {

const Vector3 SHADOW_OFFSET{1.f, -1.f, 0.f};

} // namespace

Label::Label(float x, float y, float z, WideStringView labelText, FontQuad* labelFont, uint32_t colour)
    : font(labelFont), text(labelText) {
    position = {x, y, z};
    color = colour;
}

void Label::render() {
    if (hidden || !isShowing() || !font) return;
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
