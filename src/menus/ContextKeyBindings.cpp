#include "menus/ContextKeyBindings.h"
#include <algorithm>
#include "game/Global.h"
#include "menus/KeyBindingButton.h"
#include "menus/MenuLayout.h"

namespace {

/// One row: its caption, its action in the configuration's keyboard bindings and its row
/// (in row spacings above the centre).
struct BindingRow {
    StringId caption;
    int action;
    int row;
};
constexpr std::array<BindingRow, 6> ROWS{{{STR_CONTROLSUP, 2, 3},
                                          {STR_CONTROLSDOWN, 3, 2},
                                          {STR_CONTROLSLEFT, 0, 1},
                                          {STR_CONTROLSRIGHT, 1, 0},
                                          {STR_CONTROLSFIRE, 4, -1},
                                          {STR_CONTROLSALTFIRE, 5, -2}}};

} // namespace

ContextKeyBindings::ContextKeyBindings(int player) {
    setUpMenuScreen(*this);
    const std::size_t p = player == 2 ? 1 : 0;
    addMenuTitle(*this, menuText(p == 0 ? STR_CONTROLS1 : STR_CONTROLS2));
    auto& bindings = Global::get()->configuration.keyboardBindings;
    for (std::size_t i = 0; i < ROWS.size(); ++i) {
        const BindingRow& row = ROWS[i];
        rows[i] =
            addMenuItem(*this, new KeyBindingButton(0.f, static_cast<float>(row.row * itemSpacing), 0.f,
                                                    menuText(row.caption), u"",
                                                    &bindings[static_cast<std::size_t>(row.action)][p]));
    }
    addBackButton(*this);
}
