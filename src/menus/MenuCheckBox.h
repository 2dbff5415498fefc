#pragma once
#include "menus/MenuItem.h"

/// A box that toggles a caller's bool when pressed and shows a tick while it is set.
class MenuCheckBox : public MenuItem {
  public:
    /// `target` is the caller's and must outlive the box.
    MenuCheckBox(float x, float y, float z, WideStringView boxCaption, WideStringView boxHint, bool* target);

    void tick(double t, double dt) override;
    void drawValue(float x, float y, float z) override;

    bool* value;
};
