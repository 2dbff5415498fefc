#include "menus/ContextHighscoreOptions.h"
#include "core/WebHost.h"
#include "game/Global.h"
#include "menus/ContextNetworkWizard1.h"
#include "menus/ContextUploadScores.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuItemLink.h"
#include "menus/MenuLayout.h"

namespace {

constexpr char16_t TABLE_PAGE[] = u"/zv2/highscoretable.php";

} // namespace

ContextHighscoreOptions::ContextHighscoreOptions() {
    setUpMenuScreen(*this);
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_HIGHSCOREOPTIONS));
    addBottomButton<MenuBackButton>(*this, BottomSlot::Middle, STR_OK);
    addMenuItem(*this, new MenuItemLink(0.f, 2.f * r, 0.f, menuText(STR_WORLDWIDESCORES),
                                        menuText(STR_WORLDWIDESCORESHINT), webAddress(TABLE_PAGE)));
    pUpload = addMenuItem(
        *this, new MenuButton(0.f, r, 0.f, menuText(STR_UPLOADSCORES), menuText(STR_UPLOADSCORESHINT)));
    pReset = addMenuItem(*this, new MenuButton(0.f, -r, 0.f, menuText(STR_RESETSCORES), menuText(STR_RESETSCORESHINT),
                                               {}, menuText(STR_CONFIRM)));
}

void ContextHighscoreOptions::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    Global& game = *Global::get();
    if (takeClick(*pReset)) {
        game.configuration.resetHighScores();
        game.highlightedScoreRow = -1;
    }
    if (!takeClick(*pUpload)) return;
    if (game.configuration.networkConfigured) openMenuScreen(new ContextUploadScores());
    else openMenuScreen(new ContextNetworkWizard1());
}
