#pragma once
#include "media/Vector.h"
#include "menus/ContextMenu.h"

class MenuButton;

/// The menu over a paused game: resume, quit (after a question) and the mute switch. Escape
/// resumes too. When it goes, a mouse is put back where it was when the game paused, so that a
/// ship steered by the mouse does not jump.
class ContextPause : public ContextMenu {
  public:
    ContextPause();

    void tickContents(double t, double dt) override;
    /// The first time: remembers the mouse and the input mode before the menu takes the mouse.
    void onActivate(bool first) override;
    void onDeactivate(bool removed) override;

    MenuButton* resumeButton;
    MenuButton* quitButton;

  private:
    Vector3 pausedMouse;
    int pausedInputMode = 0;
};
