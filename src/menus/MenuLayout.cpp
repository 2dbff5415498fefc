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
constexpr float BACK_INSET = 80.f; // the Back button's centre from the corner column
constexpr int BACK_WIDTH = 160;

} // namespace

const char16_t* menuText(StringId id) {
    return Vek::get()->getLanguage().getString(id);
}

void setUpMenuScreen(Context& screen) {
    screen.deleteWhenClosed = true;
    screen.pPreObject = Global::get()->menuBackground;
    screen.pPostObject = Global::get()->snowfall;
}

Label* addMenuTitle(ContextMenu& menu, WideStringView text) {
    auto* title =
        new Label(0.f, static_cast<float>(menu.originY), 0.f, text, Global::get()->fontLarge, TITLE_COLOUR);
    title->textFlags = TITLE_FLAGS;
    menu.addChild(title);
    return title;
}

MenuBackButton* addBackButton(ContextMenu& menu) {
    auto* back = new MenuBackButton(BACK_INSET - static_cast<float>(menu.originX),
                                    -static_cast<float>(menu.originY), 0.f, menuText(STR_BACK), u"");
    back->setWidth(BACK_WIDTH);
    menu.addMenuChild(back);
    return back;
}

void openMenuScreen(Context* screen) {
    Global::get()->contextManager->addContext(screen);
}

bool takeClick(MenuItem& item) {
    const bool clicked = item.clicked;
    item.clicked = false;
    return clicked;
}
