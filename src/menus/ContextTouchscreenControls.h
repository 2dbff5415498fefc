#pragma once
#include "menus/ContextMenu.h"

class ChoiceButton;

/// How a finger steers and fires, with a description of the chosen control method and
/// firing mode that follows every change.
class ContextTouchscreenControls : public ContextMenu {
  public:
    ContextTouchscreenControls();

    void tickContents(double t, double dt) override;

    ChoiceButton* controlMethod;
    ChoiceButton* firingMethod;
    VekBase* descriptions; ///< child; holds the two description texts

  private:
    void describe();
};
