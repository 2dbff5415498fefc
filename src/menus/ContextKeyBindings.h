#pragma once
#include <array>
#include "menus/ContextMenu.h"

class KeyBindingButton;

/// The six keyboard bindings of one player.
class ContextKeyBindings : public ContextMenu {
  public:
    /// `player` is 1 or 2.
    explicit ContextKeyBindings(int player);

    std::array<KeyBindingButton*, 6> rows; ///< up, down, left, right, fire, missile
};
