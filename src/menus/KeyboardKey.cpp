#include "menus/KeyboardKey.h"

KeyboardKey::KeyboardKey(float x, float y, float z, WideStringView keyCaption, WideStringView keyHint,
                         char16_t keyCode, char16_t* typedTarget)
    : MenuButton(x, y, z, keyCaption, keyHint), code(keyCode), target(typedTarget) {}

void KeyboardKey::activate() {
    MenuButton::activate();
    *target = code;
}
