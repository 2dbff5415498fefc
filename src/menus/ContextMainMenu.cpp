#include "menus/ContextMainMenu.h"
#include "menus/ContextGameStart.h"
#include "menus/MenuLayout.h"

void ContextMainMenu::startGame() {
    openMenuScreen(new ContextGameStart());
}
