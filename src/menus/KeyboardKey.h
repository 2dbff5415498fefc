#pragma once
#include "menus/MenuButton.h"

/// A key of an on-screen letter keyboard: activating it types its character into a field of
/// its screen.
class KeyboardKey : public MenuButton {
  public:
    /// `typedTarget` is the screen's and must outlive the key.
    KeyboardKey(float x, float y, float z, WideStringView keyCaption, WideStringView keyHint,
                char16_t keyCode, char16_t* typedTarget);

    void activate() override;

    char16_t code;
    char16_t* target;
};
