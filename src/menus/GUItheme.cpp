#include "menus/GUItheme.h"
#include "core/ResourceManager.h"
#include "core/Vek.h"
#include "media/Texture.h"
#include "menus/ThemedWidget.h"

GUItheme::GUItheme(std::array<int, 3> layoutValues, int inset, FontQuad* themeFont)
    : layout(layoutValues), insets{inset, inset, inset, inset}, font(themeFont) {}

void GUItheme::applyTexture(ThemedWidget& widget, const char16_t* textureName) {
    widget.applyTexture(*Vek::get()->getResourceManager().find<Texture>(textureName));
}
