#include "menus/MenuItemLink.h"
#include "game/ContextManager.h"
#include "game/Global.h"

MenuItemLink::MenuItemLink(float x, float y, float z, WideStringView linkCaption, WideStringView linkHint,
                           WideStringView address)
    : MenuButton(x, y, z, linkCaption, linkHint), url(address) {}

void MenuItemLink::activate() {
    MenuButton::activate();
    Global& game = *Global::get();
    game.exitUrl = url;
    game.contextManager->quitRequested = true;
}
