#pragma once
#include "menus/ContextMenu.h"

/// Difficulty, shared lives and cheats; each is written into the configuration as it changes
/// and read when a game starts.
class ContextGameplayOptions : public ContextMenu {
  public:
    ContextGameplayOptions();
};
