#pragma once
#include "menus/ContextMenu.h"

class ContextCredits;

/// The credits: the scrolling list over the menu background, with the version in the lower
/// right corner. Left with the back action.
class ContextCreditsMenu : public ContextMenu {
  public:
    ContextCreditsMenu();
    ~ContextCreditsMenu() override;

    /// The menu's own contents, then the scrolling list.
    void tickContents(double t, double dt) override;
    void renderContents() override;

    ContextCredits* credits; ///< owned; ticked and drawn by this menu
};
