#pragma once
#include "core/StringKeys.h"
#include "core/WideString.h"
#include "menus/ContextMenu.h"

class Label;
class MenuBackButton;
class MenuItem;

/// Building blocks that the menu screens share.

/// The text of `id` in the current language.
const char16_t* menuText(StringId id);
/// A screen deleted once it has closed, with the menus' shared star field behind it and
/// snow over it.
void setUpMenuScreen(Context& screen);
/// The screen's title: the large font, white, centred at the top; not an item.
Label* addMenuTitle(ContextMenu& menu, WideStringView text);
/// The Back button ("BACK") in the lower corner on the reading start's side, 160 wide.
MenuBackButton* addBackButton(ContextMenu& menu);
/// Appends `item` to the screen and registers it for navigation; returns it.
template <class Item> Item* addMenuItem(ContextMenu& menu, Item* item) {
    menu.addMenuChild(item);
    return item;
}
/// Puts a new screen on the context stack.
void openMenuScreen(Context* screen);
/// Reads and clears an item's clicked latch.
bool takeClick(MenuItem& item);
