#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// The title screen: the logo, the greeting of the current player, the four main buttons, a
/// link to the game's web site and the quit button. It stays at the bottom of the stack for
/// the whole run and saves the user data each time it is on top again. What the start button
/// does is the concrete screen's.
class ContextMain : public ContextMenu {
  public:
    ContextMain();

    void tickContents(double t, double dt) override;
    /// Restores the navigation, then saves the profiles and the settings.
    void onActivate(bool first) override;
    virtual void startGame() = 0;

    MenuButton* startButton;
    MenuButton* highscoresButton;
    MenuButton* optionsButton;
    MenuButton* creditsButton;

  private:
    /// Ctrl+Alt+X ends the program through the fatal path, in every build: it is how a player
    /// makes the crash files that the crash-report screen offers at the next start.
    void checkCrashRequest();
    void openRequestedScreens();
};
