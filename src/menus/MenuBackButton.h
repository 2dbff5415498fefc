#pragma once
#include "menus/MenuButton.h"

/// A button that closes the top screen of the context stack.
class MenuBackButton : public MenuButton {
  public:
    using MenuButton::MenuButton;

    void activate() override;
};
