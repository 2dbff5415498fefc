#pragma once
#include <cstdint>
#include "menus/MenuItem.h"

/// A push button: it takes the contact that goes down on it and activates when that contact
/// is lifted over it. With a confirmation text it first asks "YES"/"NO" in a popup.
class MenuButton : public MenuItem {
  public:
    MenuButton(float x, float y, float z, WideStringView buttonCaption, WideStringView buttonHint,
               WideStringView title = {}, WideStringView message = {});

    void tick(double t, double dt) override;

    WideString confirmTitle;
    WideString confirmMessage;
    int32_t confirmAnswer = -1; ///< the popup's answer; 0 = the first button
};
