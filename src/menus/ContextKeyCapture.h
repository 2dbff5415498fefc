#pragma once
#include <cstdint>
#include "menus/ContextPopup.h"

class VekInput;

/// The popup that waits for the next key, joystick button or direction, or mouse button and
/// hands its code to a binding row: Escape hands over 1, which cancels. It has no buttons, ignores the
/// menu keys and closes in the frame after the press.
class ContextKeyCapture : public ContextPopup {
  public:
    static constexpr int32_t ESCAPE_CODE = 1;

    /// `result` is the row's and must outlive the popup; it stays 0 until a code arrives.
    ContextKeyCapture(int32_t& result, WideStringView captureTitle, WideStringView captureMessage);

    void tickContents(double t, double dt) override;

    /// The lowest code pressed this frame that can be bound, or Escape; 0 when none.
    static int32_t capturedCode(const VekInput& input);

    int32_t& result; ///< never the popup's answer, which would open as -1
};
