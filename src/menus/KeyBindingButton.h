#pragma once
#include <cstdint>
#include "menus/MenuItem.h"

/// One binding row: shows the name of the bound control; a press opens the capture popup,
/// and the control it captures is bound here and unbound everywhere else. Escape in the
/// popup keeps the old binding.
class KeyBindingButton : public MenuItem {
  public:
    static constexpr int WIDTH = 192;
    static constexpr int32_t CANCELLED = 1; ///< Escape's code

    /// `binding` is a field of the configuration and must outlive the row.
    KeyBindingButton(float x, float y, float z, WideStringView rowCaption, WideStringView rowHint,
                     int32_t* binding);

    void tick(double t, double dt) override;
    void drawValue(float x, float y, float z) override;
    /// The display name of the bound control (empty for none).
    WideString boundName() const;

    int32_t* field;
    int32_t capturedCode = 0; ///< written by the capture popup; 0 while none

  private:
    void openCapture();
    void takeCapturedCode();
};
