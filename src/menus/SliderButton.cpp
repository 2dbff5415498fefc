#include "menus/SliderButton.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/Global.h"

SliderButton::SliderButton(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                           int32_t* target, int32_t minimumValue, int32_t maximumValue)
    : ChoiceButtonBase(x, y, z, itemCaption, itemHint, target, minimumValue, maximumValue, 1) {}

void SliderButton::drawValue(float x, float y, float z) {
    const float direction = Vek::get()->getLanguage().isRightToLeft() ? -1.f : 1.f;
    for (int32_t bar = 0; bar < clampedValue(); ++bar)
        drawValueText(u"|", {x + direction * (FIRST_BAR + BAR_SPACING * static_cast<float>(bar)), y, z});
}

void SliderButton::activate() {
    ChoiceButtonBase::activate();
    Global::get()->applyConfiguration(-1, -1);
}
