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
    Context* createCrashReport() override;
    /// Until the main menu lands: the star field with snow, closed by Escape.
    Context* createMainMenu() override;
    Context* createQuestion(WideStringView message, WideStringView firstButton, WideStringView secondButton,
                            int32_t* answer) override;
};
