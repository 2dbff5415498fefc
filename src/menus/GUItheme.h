#pragma once
#include <array>
#include "core/VekBase.h"

class FontQuad;
class ThemedWidget;

/// A look of the menu toolkit: maps a style number to a skin texture and dresses a themed
/// widget with it.
class GUItheme : public VekBase {
  public:
    /// Dresses `widget` in style `style` (0 leaves it unchanged); an unknown style is fatal.
    virtual void setStyle(ThemedWidget& widget, int style) = 0;

    std::array<int, 3> layout{};
    std::array<int, 4> insets{};
    FontQuad* font = nullptr;

  protected:
    GUItheme(std::array<int, 3> layoutValues, int inset, FontQuad* themeFont);
    /// Finds the texture (fatal when missing) and applies it.
    static void applyTexture(ThemedWidget& widget, const char16_t* textureName);
};
