#pragma once
#include "menus/ContextMenu.h"

/// Which mouse button fires and which launches missiles.
class ContextMouseControls : public ContextMenu {
  public:
    ContextMouseControls();
};
