#include "menus/ContextMainMenu.h"
#include "menus/MenuButton.h"

ContextMainMenu::ContextMainMenu() {
    startButton->disabled = true;
}

void ContextMainMenu::startGame() {}
