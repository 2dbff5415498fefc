#include "menus/MenuCheckBox.h"
#include "media/FontQuad.h"

namespace {

constexpr int BOX_WIDTH = 50;
constexpr char16_t TICK_SYMBOL[] = u"\x01";
constexpr int TICK_FLAGS = FontQuad::TEXT_CENTRE | FontQuad::TEXT_MIDDLE;

} // namespace

MenuCheckBox::MenuCheckBox(float x, float y, float z, WideStringView boxCaption, WideStringView boxHint,
                           bool* target)
    : MenuItem(x, y, z, boxCaption, boxHint), value(target) {
    setWidth(BOX_WIDTH);
}

void MenuCheckBox::tick(double t, double dt) {
    MenuItem::tick(t, dt);
    if (!hovered || disabled || hidden || !wasPointerPressed()) return;
    *value = !*value;
    activate();
}

void MenuCheckBox::drawValue(float x, float y, float z) {
    if (*value && font) font->drawText(TICK_SYMBOL, x, y, z, colour, TICK_FLAGS);
}
