#pragma once
#include <cstdint>
#include "core/WideString.h"

class Context;
class Renderable;
class VekBase;

/// The screens and menu pieces that the game root opens but the menu layer above it builds.
/// The menu layer implements it and the program's entry hands it to the game root. Every
/// object returned is new and goes to the caller.
class MenuScreens {
  public:
    virtual ~MenuScreens() = default;
    virtual VekBase* createThemeStandard() = 0;
    virtual VekBase* createThemeMinimal() = 0;
    /// The moving star field that menus draw behind themselves.
    virtual Context* createMenuBackground() = 0;
    /// The snow that menus draw over themselves.
    virtual Context* createSnowfall() = 0;
    /// The maker's logo screen.
    virtual Context* createLogo() = 0;
    /// The game's logo as the menus show it, for the intro's title; its caller ticks it.
    virtual Renderable* createMenuLogo() = 0;
    /// The offer to send the crash files of the previous run.
    virtual Context* createCrashReport() = 0;
    /// The screen under the start-up screens, shown once they have closed.
    virtual Context* createMainMenu() = 0;
    /// The high-score table, its highlighted row the game root's.
    virtual Context* createHighscores() = 0;
    /// The screen of flags on which the user chooses the language while the game loads; it
    /// sets the engine's `defaultLanguage` and closes.
    virtual Context* createLanguageSelect() = 0;
    /// The first enabled language whose ISO code is the system's, else 0 (English).
    virtual int autodetectLanguage() = 0;
    /// The frame of the texture "languageFlags" that shows the language of `isoCode`; fatal
    /// for a code without a flag.
    virtual int isoCode2skinIndex(WideStringView isoCode) = 0;
    /// The pause menu above the running game.
    virtual Context* createPause() = 0;
    /// A laid-out yes/no box asking `message`, which writes the chosen button's index (0 for
    /// the first) to `answer`.
    virtual Context* createQuestion(WideStringView message, WideStringView firstButton, WideStringView secondButton,
                                    int32_t* answer) = 0;
};
