#include "menus/GameMenuScreens.h"
#include "game/Global.h"
#include "menus/ContextCrashReport.h"
#include "menus/ContextHighscores.h"
#include "menus/ContextLanguageSelect.h"
#include "menus/ContextLogo.h"
#include "menus/ContextMainMenu.h"
#include "menus/ContextPause.h"
#include "menus/ContextPopup.h"
#include "menus/ContextSnowfall.h"
#include "menus/ContextStarfield.h"
#include "menus/GUIthemeMinimal.h"
#include "menus/GUIthemeStandard.h"
#include "menus/MenuLogo.h"

VekBase* GameMenuScreens::createThemeStandard() {
    return new GUIthemeStandard();
}

VekBase* GameMenuScreens::createThemeMinimal() {
    return new GUIthemeMinimal();
}

Context* GameMenuScreens::createMenuBackground() {
    return new ContextStarfield();
}

Context* GameMenuScreens::createSnowfall() {
    return new ContextSnowfall();
}

Context* GameMenuScreens::createLogo() {
    return new ContextLogo();
}

Renderable* GameMenuScreens::createMenuLogo() {
    return new MenuLogo();
}

Context* GameMenuScreens::createCrashReport() {
    return new ContextCrashReport();
}

Context* GameMenuScreens::createMainMenu() {
    return new ContextMainMenu();
}

Context* GameMenuScreens::createHighscores() {
    return new ContextHighscores();
}

Context* GameMenuScreens::createLanguageSelect() {
    return new ContextLanguageSelect();
}

int GameMenuScreens::autodetectLanguage() {
    return ContextLanguageSelect::autodetectLanguage();
}

int GameMenuScreens::isoCode2skinIndex(WideStringView isoCode) {
    return ContextLanguageSelect::isoCode2skinIndex(isoCode);
}

Context* GameMenuScreens::createPause() {
    return new ContextPause();
}

Context* GameMenuScreens::createQuestion(WideStringView message, WideStringView firstButton,
                                         WideStringView secondButton, int32_t* answer) {
    auto* popup = new ContextPopup();
    popup->message = message;
    popup->firstButtonText = firstButton;
    popup->secondButtonText = secondButton;
    popup->answer = answer;
    popup->createContents();
    popup->deleteWhenClosed = true;
    return popup;
}
