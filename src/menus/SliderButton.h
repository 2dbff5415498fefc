#pragma once
#include "menus/ChoiceButtonBase.h"

/// A choice drawn as a row of bars, one per unit of its value; every step applies the
/// configuration at once, so a volume is heard as it changes.
class SliderButton : public ChoiceButtonBase {
  public:
    static constexpr float FIRST_BAR = -84.f; // from the item's centre, reading start side
    static constexpr float BAR_SPACING = 7.f;

    SliderButton(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                 int32_t* target, int32_t minimumValue, int32_t maximumValue);

    void drawValue(float x, float y, float z) override;
    void activate() override;
};
