#include "menus/KeyBindingButton.h"
#include "core/KeyCodes.h"
#include "game/Global.h"
#include "media/VekInput.h"
#include "menus/ContextKeyCapture.h"
#include "game/GameInput.h"
#include "menus/MenuLayout.h"

KeyBindingButton::KeyBindingButton(float x, float y, float z, WideStringView rowCaption,
                                   WideStringView rowHint, int32_t* binding)
    : MenuItem(x, y, z, rowCaption, rowHint), field(binding) {
    setWidth(WIDTH);
}

void KeyBindingButton::tick(double t, double dt) {
    MenuItem::tick(t, dt);
    if (hovered && !disabled && wasPointerPressed()) openCapture();
    takeCapturedCode();
}

void KeyBindingButton::openCapture() {
    openMenuScreen(new ContextKeyCapture(capturedCode, caption, menuText(STR_CONTROLSHINT)));
}

void KeyBindingButton::takeCapturedCode() {
    if (capturedCode == 0) return;
    if (capturedCode != CANCELLED) {
        // One control drives one action only, across both players, keys and joysticks.
        Global::get()->configuration.unbindControl(capturedCode);
        *field = capturedCode;
    }
    capturedCode = 0;
}

WideString KeyBindingButton::boundName() const {
    const VekInput* input = GameInput::getInput();
    if (!input || *field < 0 || *field >= KEY_CODE_COUNT) return {};
    return input->keyNames[static_cast<std::size_t>(*field)];
}

void KeyBindingButton::drawValue(float x, float y, float z) {
    const WideString name = boundName();
    drawValueText(name, {x, y, z}, captionFitFactor(name));
}
