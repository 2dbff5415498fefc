#pragma once
#include "menus/GUItheme.h"

/// Framed, bevelled skins, one texture per style, on the small font.
class GUIthemeStandard : public GUItheme {
  public:
    GUIthemeStandard();
    void setStyle(ThemedWidget& widget, int style) override;
};
