#include "menus/ContextKeyCapture.h"
#include "core/KeyCodes.h"
#include "media/VekInput.h"
#include "game/GameInput.h"

namespace {

constexpr int32_t FIRST_BINDABLE = 2;

// Mouse movement is no control a player could press on purpose; its buttons are.
bool isBindable(int32_t code) {
    return code >= FIRST_BINDABLE && code < KEY_CODE_COUNT &&
           (code < FIRST_MOUSE_CODE || code >= FIRST_MOUSE_BUTTON_CODE);
}

} // namespace

ContextKeyCapture::ContextKeyCapture(int32_t& resultField, WideStringView captureTitle,
                                     WideStringView captureMessage)
    : result(resultField) {
    title = captureTitle;
    message = captureMessage;
    firstButtonText.clear();
    createContents();
    closeOnFire = false;          // the press being captured must not close it
    keyNavigationEnabled = false; // every key is a candidate, none moves the pointer
    deleteWhenClosed = true;
}

int32_t ContextKeyCapture::capturedCode(const VekInput& input) {
    for (int32_t code = ESCAPE_CODE; code < KEY_CODE_COUNT; ++code)
        if ((code == ESCAPE_CODE || isBindable(code)) && input.isKeyPressed(code)) return code;
    return 0;
}

void ContextKeyCapture::tickContents(double t, double dt) {
    ContextPopup::tickContents(t, dt);
    const VekInput* input = GameInput::getInput();
    const int32_t code = input ? capturedCode(*input) : 0;
    if (code != 0)
        result = code;
    else if (result != 0)
        closed = true;
}
