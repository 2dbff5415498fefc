#pragma once
#include "core/StringKeys.h"
#include "core/WideString.h"
#include "menus/ContextMenu.h"

class Label;
class MenuBackButton;
class MenuButton;
class MenuItem;

/// Building blocks that the menu screens share.

/// The text of `id` in the current language.
const char16_t* menuText(StringId id);
/// A screen deleted once it has closed, with the menus' shared star field behind it and,
/// unless `bSnow` is false, snow over it.
void setUpMenuScreen(Context& screen, bool bSnow = true);
/// The screen's title: the large font, white, centred at the top; not an item.
Label* addMenuTitle(ContextMenu& menu, WideStringView text);
/// The places of the screen's bottom row: the corner on the reading start's side, the middle
/// and the corner on the reading end's side.
enum class BottomSlot { Start, Middle, End };
/// The x of a bottom-row slot before the items mirror it for right-to-left languages.
float bottomSlotX(const ContextMenu& menu, BottomSlot slot);
/// A button of `Button`'s kind in the bottom row, 160 wide, with the text of `caption`.
template <class Button = MenuButton>
Button* addBottomButton(ContextMenu& menu, BottomSlot slot, StringId caption) {
    constexpr int BOTTOM_BUTTON_WIDTH = 160;
    auto* button =
        new Button(bottomSlotX(menu, slot), -static_cast<float>(menu.originY), 0.f, menuText(caption), u"");
    button->setWidth(BOTTOM_BUTTON_WIDTH);
    menu.addMenuChild(button);
    return button;
}
/// The button that closes the screen (`caption`, by default "BACK") at the reading start's corner.
MenuBackButton* addBackButton(ContextMenu& menu, StringId caption = STR_BACK);
/// Appends `item` to the screen and registers it for navigation; returns it.
template <class Item> Item* addMenuItem(ContextMenu& menu, Item* item) {
    menu.addMenuChild(item);
    return item;
}
/// Puts a new screen on the context stack.
void openMenuScreen(Context* screen);
/// Reads and clears an item's clicked latch.
bool takeClick(MenuItem& item);
