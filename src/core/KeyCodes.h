#pragma once
#include <array>
#include "core/WideString.h"

/// The input layer's key codes: 0 is no key, 1 to 255 keyboard scan codes, then four
/// joysticks of 48 codes each, then eight codes that bear the mouse names.
using KeyCode = int;

constexpr int KEY_CODE_COUNT = 456;
constexpr int KEYBOARD_CODE_COUNT = 256;
constexpr int MAX_JOYSTICKS = 4;
constexpr KeyCode FIRST_JOYSTICK_CODE = 256;
constexpr int CODES_PER_JOYSTICK = 48;
constexpr int JOYSTICK_DIRECTIONS = 4;  // up, down, left, right from the joystick's first code
constexpr int JOYSTICK_BUTTON_OFFSET = 16;
constexpr int JOYSTICK_BUTTONS = 32;
constexpr KeyCode FIRST_MOUSE_CODE = 448;
constexpr int MOUSE_CODES = 8;  // up, down, left, right, buttons 0 to 3
constexpr int MOUSE_DIRECTIONS = 4;
// Mouse buttons 0 left, 1 right, 2 middle, 3 the first extra one.
constexpr KeyCode FIRST_MOUSE_BUTTON_CODE = FIRST_MOUSE_CODE + MOUSE_DIRECTIONS;
constexpr int MOUSE_BUTTON_CODES = MOUSE_CODES - MOUSE_DIRECTIONS;

static_assert(FIRST_JOYSTICK_CODE + MAX_JOYSTICKS * CODES_PER_JOYSTICK == FIRST_MOUSE_CODE);
static_assert(FIRST_MOUSE_CODE + MOUSE_CODES == KEY_CODE_COUNT);

/// The display name of every key code in the current language. The input object owns it;
/// the language store rewrites it each time the language is set.
using KeyNameTable = std::array<WideString, KEY_CODE_COUNT>;
