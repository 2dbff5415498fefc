#include "menus/ChoiceButtonBase.h"
#include <algorithm>
#include <cmath>
#include "core/Language.h"
#include "core/Format.h"
#include "core/Vek.h"
#include "media/FontQuad.h"
#include "media/PointerTracker.h"
#include "media/SlicedSkin.h"
#include "media/VekInput.h"
#include "game/GameInput.h"

namespace {

constexpr float ARROW_INSET = 24.f;       // arrow centres from the box's ends
constexpr float ARROW_GLYPH_INSET = 15.f; // the arrow glyphs from the box's ends
constexpr float ARROW_REACH = 50.f;       // a press this close to an arrow steps the value
constexpr float VALUE_GAP = 2.f;          // kept free between a value and an arrow glyph
constexpr int LEFT_ARROW_FLAGS = FontQuad::TEXT_LEFT | FontQuad::TEXT_MIDDLE;
constexpr int RIGHT_ARROW_FLAGS = FontQuad::TEXT_RIGHT | FontQuad::TEXT_MIDDLE;

bool isRightToLeft() {
    return Vek::get() && Vek::get()->getLanguage().isRightToLeft();
}

} // namespace

ChoiceButtonBase::ChoiceButtonBase(float x, float y, float z, WideStringView itemCaption,
                                   WideStringView itemHint, int32_t* target, int32_t minimumValue,
                                   int32_t maximumValue, int32_t valueStep)
    : MenuItem(x, y, z, itemCaption, itemHint), value(target), minimum(minimumValue), maximum(maximumValue),
      step(valueStep) {}

int32_t ChoiceButtonBase::clampedValue() const {
    return std::clamp(*value, minimum, std::max(minimum, maximum));
}

Vector3 ChoiceButtonBase::arrowPoint(int side) const {
    const float reach = getBody()->getWidth() / 2.f - ARROW_INSET;
    return local2world({static_cast<float>(side) * reach, 0.f, 0.f});
}

void ChoiceButtonBase::tick(double t, double dt) {
    MenuItem::tick(t, dt);
    if (disabled || !hovered || !wasPointerPressed()) return;
    const PointerTracker* tracker = GameInput::getPointerTracker();
    if (tracker) {
        const int64_t direction = isRightToLeft() ? -1 : 1;
        int64_t next = *value;
        for (int side : {-1, 1}) {
            const Vector3 arrow = arrowPoint(side);
            if (isWithinRadius({tracker->position.x, tracker->position.y, arrow.z}, arrow, ARROW_REACH))
                next += side * direction * step;
        }
        *value = static_cast<int32_t>(std::clamp<int64_t>(next, minimum, std::max(minimum, maximum)));
    }
    activate();
}

float ChoiceButtonBase::valueFitFactor(WideStringView text) const {
    if (!font) return 1.f;
    const float arrowWidth =
        font->measureText(WideString(1, FontQuad::GLYPH_RIGHT_ARROW), RIGHT_ARROW_FLAGS).width;
    const float betweenArrows = getBody()->getWidth() - 2.f * (ARROW_GLYPH_INSET + arrowWidth + VALUE_GAP);
    const float width = font->measureText(text, FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE).width;
    return std::min(captionFitFactor(text), fitScale(width, std::trunc(betweenArrows)));
}

bool ChoiceButtonBase::showsLeftArrow() const {
    return isRightToLeft() ? *value < maximum : *value > minimum;
}

bool ChoiceButtonBase::showsRightArrow() const {
    return isRightToLeft() ? *value > minimum : *value < maximum;
}

void ChoiceButtonBase::render() {
    MenuItem::render();
    if (!hidden && !disabled) drawArrows();
}

void ChoiceButtonBase::drawArrows() {
    if (!font) return;
    uint32_t arrowColour = colourNormal;
    const VekInput* input = GameInput::getInput();
    if (!input || input->inputMode != INPUTMODE_TOUCH) {
        // The arrows fade in with the hover highlight.
        const auto alpha = static_cast<uint32_t>(std::lround(std::clamp(highlight, 0.0, 1.0) * 255.0));
        arrowColour = (alpha << 24) | (colourHover & 0xFFFFFF);
    }
    const Vector3 centre = local2world({});
    const float reach = getBody()->getWidth() / 2.f - ARROW_GLYPH_INSET;
    if (showsLeftArrow())
        font->drawText(WideString(1, FontQuad::GLYPH_LEFT_ARROW), centre.x - reach, centre.y, centre.z,
                       arrowColour, LEFT_ARROW_FLAGS);
    if (showsRightArrow())
        font->drawText(WideString(1, FontQuad::GLYPH_RIGHT_ARROW), centre.x + reach, centre.y, centre.z,
                       arrowColour, RIGHT_ARROW_FLAGS);
}

Vector3 ChoiceButtonBase::getFocusPoint(int index) {
    if (index != 0 && index != 1) return NO_FOCUS_POINT;
    return toScreenUnits(arrowPoint(index == 0 ? -1 : 1));
}

void ChoiceButtonBase::drawValue(float x, float y, float z) {
    drawValueText(stringf(u"%d", *value), {x, y, z});
}
