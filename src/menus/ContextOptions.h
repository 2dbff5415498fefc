#pragma once
#include "menus/ContextMenu.h"

class MenuBackButton;
class MenuButton;

/// The options hub: gameplay, controls, graphics, sound, the network wizard, the language
/// (when the build offers several) and help.
class ContextOptions : public ContextMenu {
  public:
    ContextOptions();

    /// Opens the screen of every button clicked this frame, in the buttons' order.
    void tickContents(double t, double dt) override;

    MenuButton* gameplay;
    MenuButton* controls;
    MenuButton* graphics;
    MenuButton* sound;
    MenuButton* networkWizard;
    MenuButton* language;      ///< null in a single-language build
    MenuButton* help;
    MenuBackButton* back;

  private:
    void fitButtonsToRows();
    /// The engine and the game start again and ask for the language first.
    static void changeLanguage();
};
