#pragma once
#include "media/Renderable.h"
#include "menus/FocusPointSource.h"

class Label;

/// The main menu's greeting of the current player and the prompt under it. A press on the
/// greeting opens the players screen; a current player without a name is asked for one at
/// once.
class PlayerGreeting : public Renderable, public FocusPointSource {
  public:
    PlayerGreeting();

    void tick(double t, double dt) override;
    /// The prompt names the touch gesture while the input is touch.
    void onInputModeChange(int mode) override;
    /// One point: the middle of the greeting line.
    Vector3 getFocusPoint(int index) override;

    Label* greeting; ///< child
    Label* prompt;   ///< child
    bool hovered = false;

  private:
    bool isPointerOver() const;
    /// Opens the players screen on a press, else the name entry while the player has no name.
    void openScreens();
    void setPromptText(int inputMode);
};
