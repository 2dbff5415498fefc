#include "menus/ContextOptions.h"
#include "core/EngineLifecycle.h"
#include "core/StaticSettings.h"
#include "core/Vek.h"
#include "menus/ContextControls.h"
#include "menus/ContextGameplayOptions.h"
#include "menus/ContextGraphicsOptions.h"
#include "menus/ContextHelp.h"
#include "menus/ContextNetworkWizard1.h"
#include "menus/ContextSoundOptions.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuButton.h"
#include "menus/MenuLayout.h"

namespace {

constexpr int ASK_FOR_LANGUAGE = -1; // the next start opens the language selection

} // namespace

ContextOptions::ContextOptions() {
    setUpMenuScreen(*this);
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_OPTIONS));
    gameplay = addMenuItem(*this, new MenuButton(0.f, 2.f * r, 0.f, menuText(STR_GAMEPLAY), u""));
    controls = addMenuItem(*this, new MenuButton(0.f, r, 0.f, menuText(STR_CONTROLS), u""));
    graphics = addMenuItem(*this, new MenuButton(0.f, 0.f, 0.f, menuText(STR_GRAPHICS), u""));
    sound = addMenuItem(*this, new MenuButton(0.f, -r, 0.f, menuText(STR_SOUND), u""));
    networkWizard = addMenuItem(*this, new MenuButton(0.f, -2.f * r, 0.f, menuText(STR_NETWORKWIZARD), u""));
    language = nullptr;
    if (Vek::get()->getStaticSettings().singleLanguage < 0)
        language = addMenuItem(*this, new MenuButton(0.f, -3.f * r, 0.f, menuText(STR_CHANGELANGUAGE), u""));
    help = addBottomButton(*this, BottomSlot::Middle, STR_HELP);
    back = addBackButton(*this);
    fitButtonsToRows();
}

void ContextOptions::fitButtonsToRows() {
    // Six rows fill the screen down to the bottom row: buttons as tall as the rows are apart
    // keep the last one clear of Help below it.
    for (MenuItem* button : std::initializer_list<MenuItem*>{gameplay, controls, graphics, sound, networkWizard,
                                                             language, help, back})
        if (button) button->setHeight(itemSpacing);
}

void ContextOptions::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*gameplay)) openMenuScreen(new ContextGameplayOptions());
    if (takeClick(*controls)) openMenuScreen(new ContextControls());
    if (takeClick(*graphics)) openMenuScreen(new ContextGraphicsOptions());
    if (takeClick(*sound)) openMenuScreen(new ContextSoundOptions());
    if (takeClick(*networkWizard)) openMenuScreen(new ContextNetworkWizard1());
    if (language && takeClick(*language)) changeLanguage();
    if (takeClick(*help)) openMenuScreen(new ContextHelp());
}

void ContextOptions::changeLanguage() {
    Vek::get()->defaultLanguage = ASK_FOR_LANGUAGE;
    restartRequested = true;
}
