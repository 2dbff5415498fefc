#include "menus/ChoiceButton.h"
#include <algorithm>
#include "core/Language.h"
#include "core/Vek.h"

ChoiceButton::ChoiceButton(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                           int32_t* target, int32_t minimumValue, int32_t maximumValue, StringId firstString)
    : ChoiceButtonBase(x, y, z, itemCaption, itemHint, target, minimumValue, maximumValue, 1),
      firstStringId(firstString) {}

ChoiceButton::ChoiceButton(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                           int32_t* target, int32_t minimumValue, int32_t maximumValue,
                           std::vector<WideString> texts)
    : ChoiceButtonBase(x, y, z, itemCaption, itemHint, target, minimumValue, maximumValue, 1),
      valueTexts(std::move(texts)) {
    if (valueTexts.empty()) {
        disabled = true;
        maximum = minimum;
    } else {
        maximum = std::min(maximum, static_cast<int32_t>(valueTexts.size()) - 1);
    }
}

WideString ChoiceButton::valueText() const {
    const int32_t index = clampedValue();
    if (firstStringId != 0) {
        const StringId id = std::clamp(firstStringId + index, 0, STRING_ID_COUNT - 1);
        return Vek::get()->getLanguage().getString(id);
    }
    if (valueTexts.empty()) return {};
    return valueTexts[static_cast<std::size_t>(
        std::clamp(index, 0, static_cast<int32_t>(valueTexts.size()) - 1))];
}

void ChoiceButton::drawValue(float x, float y, float z) {
    const WideString text = valueText();
    drawValueText(text, {x, y, z}, valueFitFactor(text));
}
