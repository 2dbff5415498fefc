#pragma once
#include "menus/ContextMenu.h"

class MenuButton;

/// The detail level, and the way to the advanced display settings.
class ContextGraphicsOptions : public ContextMenu {
  public:
    ContextGraphicsOptions();

    /// Opens the advanced settings when their button was clicked.
    void tickContents(double t, double dt) override;

    MenuButton* advanced;
};
