#include "menus/MenuLayout.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "menus/ContextMenu.h"
#include "menus/Label.h"
#include "menus/MenuBackButton.h"

namespace {

constexpr uint32_t TITLE_COLOUR = 0xFFFFFFFF;
constexpr int TITLE_FLAGS = 5 | FontQuad::TEXT_MIDDLE;
constexpr float CORNER_INSET = 80.f; // a corner button's centre from the corner column

} // namespace

const char16_t* menuText(StringId id) {
    return Vek::get()->getLanguage().getString(id);
}

void setUpMenuScreen(Context& screen, bool bSnow) {
    screen.deleteWhenClosed = true;
    screen.pPreObject = Global::get()->menuBackground;
    screen.pPostObject = bSnow ? Global::get()->snowfall : nullptr;
}

Label* addMenuTitle(ContextMenu& menu, WideStringView text) {
    auto* title =
        new Label(0.f, static_cast<float>(menu.originY), 0.f, text, Global::get()->fontLarge, TITLE_COLOUR);
    title->textFlags = TITLE_FLAGS;
    menu.addChild(title);
    return title;
}

float bottomSlotX(const ContextMenu& menu, BottomSlot slot) {
    const float corner = static_cast<float>(menu.originX) - CORNER_INSET;
    switch (slot) {
    case BottomSlot::Start:
        return -corner;
    case BottomSlot::End:
        return corner;
    default:
        return 0.f;
    }
}

MenuBackButton* addBackButton(ContextMenu& menu, StringId caption) {
    return addBottomButton<MenuBackButton>(menu, BottomSlot::Start, caption);
}

void openMenuScreen(Context* screen) {
    Global::get()->contextManager->addContext(screen);
}

bool takeClick(MenuItem& item) {
    const bool clicked = item.clicked;
    item.clicked = false;
    return clicked;
}
