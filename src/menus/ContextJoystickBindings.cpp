#include "menus/ContextJoystickBindings.h"
#include "core/Format.h"
#include "core/KeyCodes.h"
#include "game/Global.h"
#include "media/VekInput.h"
#include "menus/ChoiceButton.h"
#include "menus/KeyBindingButton.h"
#include "game/GameInput.h"
#include "menus/MenuLayout.h"

namespace {

/// One row: its caption, its action in the configuration's joystick bindings and its row
/// (in row spacings above the centre).
struct BindingRow {
    StringId caption;
    int action;
    int row;
};
constexpr std::array<BindingRow, 3> ROWS{
    {{STR_CONTROLSFIRE, 0, 0}, {STR_CONTROLSALTFIRE, 1, -1}, {STR_CONTROLSINGAMEMENU, 2, -3}}};

/// The joystick's own name, or "Joystick n" while none is connected there.
WideString deviceName(int device) {
    const VekInput* input = GameInput::getInput();
    const WideString& name = input ? input->joystickNames[static_cast<std::size_t>(device)] : WideString();
    return name.empty() ? stringf(u"%s %d", menuText(STR_DEVICE_JOYSTICK), device + 1) : name;
}

} // namespace

ContextJoystickBindings::ContextJoystickBindings(int playerNumber) : player(playerNumber == 2 ? 2 : 1) {
    setUpMenuScreen(*this);
    GameConfiguration& configuration = Global::get()->configuration;
    const std::size_t p = player == 2 ? 1 : 0;
    addMenuTitle(*this, menuText(p == 0 ? STR_CONTROLS1 : STR_CONTROLS2));
    for (int device = 0; device < MAX_JOYSTICKS; ++device)
        deviceNames[static_cast<std::size_t>(device)] = deviceName(device);
    int32_t* index = p == 0 ? &configuration.joystickIndex1 : &configuration.joystickIndex2;
    addMenuItem(*this, new ChoiceButton(0.f, static_cast<float>(2 * itemSpacing), 0.f,
                                        menuText(STR_DEVICE_JOYSTICK), u"", index, 0, MAX_JOYSTICKS - 1,
                                        std::vector<WideString>(deviceNames.begin(), deviceNames.end())));
    for (std::size_t i = 0; i < ROWS.size(); ++i) {
        const BindingRow& row = ROWS[i];
        rows[i] = addMenuItem(
            *this, new KeyBindingButton(
                       0.f, static_cast<float>(row.row * itemSpacing), 0.f, menuText(row.caption), u"",
                       &configuration.joystickBindings[static_cast<std::size_t>(row.action)][p]));
    }
    addBackButton(*this);
}

void ContextJoystickBindings::separateJoysticks(int32_t& mine, int32_t& other) {
    if (mine == other) other = (mine + 1) % MAX_JOYSTICKS;
}

void ContextJoystickBindings::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    if (!removed) return;
    GameConfiguration& configuration = Global::get()->configuration;
    if (player == 1)
        separateJoysticks(configuration.joystickIndex1, configuration.joystickIndex2);
    else
        separateJoysticks(configuration.joystickIndex2, configuration.joystickIndex1);
}
