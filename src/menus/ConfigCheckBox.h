#pragma once
#include "menus/MenuCheckBox.h"

/// A check box of a game setting: a change takes effect at once.
class ConfigCheckBox : public MenuCheckBox {
  public:
    using MenuCheckBox::MenuCheckBox;

    void activate() override;
};
