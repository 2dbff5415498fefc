#pragma once
#include "menus/ContextMenu.h"

/// Links to the documentation beside the program and to the on-line help page; either ends
/// the game and opens its target afterwards.
class ContextHelp : public ContextMenu {
  public:
    ContextHelp();

    /// "readme.htm" in the program folder.
    static WideString documentationPath();
};
