#include "menus/ContextGraphicsOptions.h"
#include "game/Global.h"
#include "menus/ChoiceButton.h"
#include "menus/ContextAdvancedGraphics.h"
#include "menus/MenuButton.h"
#include "menus/MenuLayout.h"

namespace {

constexpr float ADVANCED_INSET = 128.f; // the button's centre from the corner column

} // namespace

ContextGraphicsOptions::ContextGraphicsOptions() {
    setUpMenuScreen(*this);
    addMenuTitle(*this, menuText(STR_GRAPHICS));
    addMenuItem(*this, new ChoiceButton(0.f, 0.f, 0.f, menuText(STR_DETAIL), menuText(STR_DETAILHINT),
                                        &Global::get()->configuration.detail, 0, 1, STR_ENUMDETAIL0));
    advanced = addMenuItem(*this, new MenuButton(static_cast<float>(originX) - ADVANCED_INSET,
                                                 -static_cast<float>(originY), 0.f,
                                                 menuText(STR_ADVANCEDOPTIONS), u""));
    addBackButton(*this);
}

void ContextGraphicsOptions::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*advanced)) openMenuScreen(new ContextAdvancedGraphics());
}
