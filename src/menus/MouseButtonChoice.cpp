#include "menus/MouseButtonChoice.h"

namespace {

constexpr int32_t LAST_BUTTON = 2; // left, right, middle

} // namespace

MouseButtonChoice::MouseButtonChoice(float x, float y, float z, WideStringView itemCaption,
                                     WideStringView itemHint, int32_t* target, int32_t* otherAction)
    : ChoiceButton(x, y, z, itemCaption, itemHint, target, 0, LAST_BUTTON, STR_ENUMCONTROLSMOUSEBUTTON0),
      other(otherAction) {}

void MouseButtonChoice::tick(double t, double dt) {
    previousValue = *value;
    ChoiceButton::tick(t, dt);
}

void MouseButtonChoice::activate() {
    ChoiceButton::activate();
    if (*other == *value) *other = previousValue;
}
