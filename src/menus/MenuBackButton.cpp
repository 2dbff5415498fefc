#include "menus/MenuBackButton.h"
#include "game/ContextManager.h"
#include "game/Global.h"

void MenuBackButton::activate() {
    MenuButton::activate();
    if (Context* top = Global::get()->contextManager->getTopContext()) top->closed = true;
}
