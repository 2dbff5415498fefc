#pragma once
#include "menus/GUItheme.h"

/// One generic skin for every visible style, on the tiny font.
class GUIthemeMinimal : public GUItheme {
  public:
    GUIthemeMinimal();
    void setStyle(ThemedWidget& widget, int style) override;
};
