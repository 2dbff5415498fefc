#include "menus/ContextGameplayOptions.h"
#include "game/Global.h"
#include "menus/ChoiceButton.h"
#include "menus/MenuCheckBox.h"
#include "menus/MenuLayout.h"

namespace {

constexpr float CHOICE_X = 64.f;
constexpr float CHECK_BOX_X = -39.f;

} // namespace

ContextGameplayOptions::ContextGameplayOptions() {
    setUpMenuScreen(*this);
    GameConfiguration& configuration = Global::get()->configuration;
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_GAMEPLAY));
    addMenuItem(*this, new ChoiceButton(CHOICE_X, r, 0.f, menuText(STR_DIFFICULTY), u"",
                                        &configuration.difficulty, 0, 1, STR_ENUMDIFFICULTY0));
    addMenuItem(*this, new MenuCheckBox(CHECK_BOX_X, 0.f, 0.f, menuText(STR_SHAREDLIVES),
                                        menuText(STR_SHAREDLIVESHINT), &configuration.sharedLives));
    addMenuItem(*this, new MenuCheckBox(CHECK_BOX_X, -r, 0.f, menuText(STR_ALLOWCHEATS),
                                        menuText(STR_ALLOWCHEATSHINT), &configuration.allowCheats));
    addBackButton(*this);
}
