#include "menus/ContextHighscoreOptions.h"
#include "core/Language.h"
#include "core/StringKeys.h"
#include "core/Vek.h"
#include "core/WebHost.h"
#include "game/ContextManager.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "menus/ContextNetworkWizard1.h"
#include "menus/ContextUploadScores.h"
#include "menus/Label.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuItemLink.h"

namespace {

constexpr char16_t TABLE_PAGE[] = u"/zv2/highscoretable.php";
constexpr int BUTTON_WIDTH = 160;
constexpr uint32_t WHITE = 0xFFFFFFFF;

} // namespace

ContextHighscoreOptions::ContextHighscoreOptions() {
    deleteWhenClosed = true;
    pPreObject = Global::get()->menuBackground;
    pPostObject = Global::get()->snowfall;
    const Language& language = Vek::get()->getLanguage();
    const auto y0 = static_cast<float>(originY);
    const auto r = static_cast<float>(itemSpacing);
    auto* title = new Label(0.f, y0, 0.f, language.getString(STR_HIGHSCOREOPTIONS), Global::get()->fontLarge, WHITE);
    title->textFlags |= FontQuad::TEXT_MIDDLE;
    addChild(title);
    auto* ok = new MenuBackButton(0.f, -y0, 0.f, language.getString(STR_OK), {});
    ok->setWidth(BUTTON_WIDTH);
    addMenuChild(ok);
    addMenuChild(new MenuItemLink(0.f, 2.f * r, 0.f, language.getString(STR_WORLDWIDESCORES),
                                  language.getString(STR_WORLDWIDESCORESHINT), webAddress(TABLE_PAGE)));
    pUpload = new MenuButton(0.f, r, 0.f, language.getString(STR_UPLOADSCORES), language.getString(STR_UPLOADSCORESHINT));
    addMenuChild(pUpload);
    pReset = new MenuButton(0.f, -r, 0.f, language.getString(STR_RESETSCORES), language.getString(STR_RESETSCORESHINT),
                            {}, language.getString(STR_CONFIRM));
    addMenuChild(pReset);
}

void ContextHighscoreOptions::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    Global& game = *Global::get();
    if (pReset->clicked) {
        pReset->clicked = false;
        game.configuration.resetHighScores();
        game.highlightedScoreRow = -1;
    }
    if (pUpload->clicked) {
        pUpload->clicked = false;
        if (game.configuration.networkConfigured) game.contextManager->addContext(new ContextUploadScores());
        else game.contextManager->addContext(new ContextNetworkWizard1());
    }
}
