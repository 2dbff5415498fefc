#include "menus/TextBox.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "media/FontQuad.h"
#include "media/TextLine.h"
#include "menus/Label.h"

namespace {

constexpr int FLAG_CENTRE = 4;
constexpr int FLAG_RIGHT = 8;
constexpr int FLAG_MIDDLE = 0x10;
constexpr int FLAG_BOTTOM = 0x20;
constexpr int SEGMENT_FLAGS = 3;

bool isRightToLeft() {
    return Vek::get() && Vek::get()->getLanguage().isRightToLeft();
}

} // namespace

TextBox::TextBox(const Label& t, int wrapWidth) : removeWhenEmpty(t.removeWhenDone) {
    position = t.position;
    FontQuad* font = t.font;
    const float lineHeight = static_cast<float>(font->getLineHeight());
    const auto measure = [font](WideStringView s) { return font->measureText(s, 0).width; };
    const std::vector<TextLine> lines =
        TextLine::wrap(t.text, static_cast<float>(wrapWidth), lineHeight, measure, isRightToLeft());
    for (const TextLine& line : lines)
        width = std::max(width, line.width);
    height = lineHeight * static_cast<float>(lines.size());
    float y = 0.f;
    if (t.textFlags & FLAG_MIDDLE) y += height / 2.f;
    if (t.textFlags & FLAG_BOTTOM) y += height;
    for (const TextLine& line : lines) {
        float x = 0.f;
        if (t.textFlags & FLAG_CENTRE) x -= line.width / 2.f;
        if (t.textFlags & FLAG_RIGHT) x -= line.width;
        for (const TextSegment& segment : line.segments) {
            const uint32_t colour = segment.bColoured ? (t.color & 0xFF000000u) | segment.rgb : t.color;
            auto* label = new Label(x, y, 0.f, segment.text, font, colour);
            label->textFlags = SEGMENT_FLAGS;
            label->removeWhenDone = t.removeWhenDone;
            label->hasShadow = t.hasShadow;
            label->delay = t.delay;
            label->duration = t.duration;
            label->fadeIn = t.fadeIn;
            label->fadeOut = t.fadeOut;
            addChild(label);
            x += segment.width;
        }
        y -= lineHeight;
    }
}

void TextBox::tick(double t, double dt) {
    Renderable::tick(t, dt);
    if (removeWhenEmpty && getChildren().isEmpty()) markDead();
}
