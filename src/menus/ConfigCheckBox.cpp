#include "menus/ConfigCheckBox.h"
#include "game/Global.h"

void ConfigCheckBox::activate() {
    Global::get()->applyConfiguration(-1, -1);
}
