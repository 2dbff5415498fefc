#pragma once
#include "game/MenuScreens.h"

/// The menu layer's screens for the game root.
class GameMenuScreens : public MenuScreens {
  public:
    VekBase* createThemeStandard() override;
    VekBase* createThemeMinimal() override;
    Context* createMenuBackground() override;
    Context* createSnowfall() override;
    Context* createLogo() override;
    Renderable* createMenuLogo() override;
    Context* createCrashReport() override;
    Context* createMainMenu() override;
    Context* createHighscores() override;
    Context* createLanguageSelect() override;
    int autodetectLanguage() override;
    int isoCode2skinIndex(WideStringView isoCode) override;
    Context* createPause() override;
    Context* createQuestion(WideStringView message, WideStringView firstButton, WideStringView secondButton,
                            int32_t* answer) override;
};
