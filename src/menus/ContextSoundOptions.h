#pragma once
#include "menus/ContextMenu.h"

/// Audio quality, the two volumes, in-game music, mute and the music set. Volumes and mute
/// apply at once; the rest when the screen is left, which also restarts the menu music.
class ContextSoundOptions : public ContextMenu {
  public:
    ContextSoundOptions();

    void onDeactivate(bool removed) override;
};
