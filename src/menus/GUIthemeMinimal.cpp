#include "menus/GUIthemeMinimal.h"
#include "core/ErrorManager.h"
#include "game/Global.h"

namespace {

constexpr int LAST_STYLE = 11;

} // namespace

GUIthemeMinimal::GUIthemeMinimal() : GUItheme({10, 1, 0}, 3, Global::get()->fontTiny) {}

void GUIthemeMinimal::setStyle(ThemedWidget& widget, int style) {
    if (style < 0 || style > LAST_STYLE) VEK_ERROR(u"Unhandled style");
    if (style == 0) return;
    applyTexture(widget, style == 1 ? u"gui-invisible" : u"gui-minimal-generic");
}
