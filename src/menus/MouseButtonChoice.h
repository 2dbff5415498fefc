#pragma once
#include "menus/ChoiceButton.h"

/// The mouse button of one action; choosing the button of the other action swaps the two, so
/// the two actions never share a button.
class MouseButtonChoice : public ChoiceButton {
  public:
    /// `otherAction` is the other action's button setting.
    MouseButtonChoice(float x, float y, float z, WideStringView itemCaption, WideStringView itemHint,
                      int32_t* target, int32_t* otherAction);

    void tick(double t, double dt) override;
    void activate() override;

    int32_t* other;
    int32_t previousValue = 0; ///< before this frame's change
};
