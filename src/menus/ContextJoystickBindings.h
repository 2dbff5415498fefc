#pragma once
#include <array>
#include "menus/ContextMenu.h"

class KeyBindingButton;

/// One player's joystick and its three button bindings. Leaving it with both players on one
/// joystick moves the other player to the next joystick.
class ContextJoystickBindings : public ContextMenu {
  public:
    /// `player` is 1 or 2.
    explicit ContextJoystickBindings(int player);

    void onDeactivate(bool removed) override;
    /// When both players use one joystick, the other player's index moves on by one (wrapping).
    static void separateJoysticks(int32_t& mine, int32_t& other);

    std::array<WideString, 4> deviceNames;
    std::array<KeyBindingButton*, 3> rows; ///< fire, missile, in-game menu

  private:
    int player;
};
