#include "menus/ProfileListFocus.h"
#include "game/Global.h"
#include "menus/ContextMenu.h"
#include "menus/ContextPlayers.h"

Vector3 ProfileListFocus::getFocusPoint(int index) {
    if (index < 0 || index >= Global::get()->profiles.getNumProfiles()) return NO_FOCUS_POINT;
    return ContextMenu::toScreenOf(*this, {ContextPlayers::NAME_X, ContextPlayers::rowNameY(index), 0.f});
}
