#include "menus/GUIthemeStandard.h"
#include "core/ErrorManager.h"
#include "game/Global.h"
#include "menus/ThemedWidget.h"

namespace {

constexpr const char16_t* STYLE_TEXTURES[] = {
    nullptr,
    u"gui-invisible",
    u"gui-standard-generic",
    u"gui-standard-thickframe",
    u"gui-standard-thinframe",
    u"gui-standard-groove",
    u"gui-standard-panel-bevelinner",
    u"gui-standard-editbox",
    u"gui-standard-button",
    u"gui-standard-button-nogroove",
    u"gui-standard-tab",
    u"gui-standard-tab-selected",
};
constexpr int FIRST_TAB_STYLE = 10;
constexpr std::array<int, 4> TAB_INSETS{10, 5, 5, 10};

} // namespace

GUIthemeStandard::GUIthemeStandard() : GUItheme({20, 3, 1}, 5, Global::get()->fontSmall) {}

void GUIthemeStandard::setStyle(ThemedWidget& widget, int style) {
    if (style < 0 || style >= static_cast<int>(std::size(STYLE_TEXTURES))) VEK_ERROR(u"Unhandled style");
    if (style == 0) return;
    if (style >= FIRST_TAB_STYLE) widget.insets = TAB_INSETS;
    applyTexture(widget, STYLE_TEXTURES[style]);
}
