#pragma once
#include <vector>
#include "menus/ContextMenu.h"

class MenuCheckBox;
struct VideoMode;

/// The display mode and the display switches. The switches are written into the
/// configuration at once; nothing reaches the display until the screen is left, when
/// everything is applied together with the mode the screen shows.
class ContextAdvancedGraphics : public ContextMenu {
  public:
    ContextAdvancedGraphics();

    /// The letterbox switch can change only in full screen; notes a mode the player chose.
    void tickContents(double t, double dt) override;
    void onDeactivate(bool removed) override;

    /// The index of the last mode of `width` by `height`; 0 when none is.
    static int32_t preselectMode(const std::vector<VideoMode>& modes, int width, int height);

    std::vector<WideString> modeNames;
    int32_t selectedMode = 0;
    MenuCheckBox* fullScreen;
    MenuCheckBox* letterbox;

  private:
    /// The mode to apply on leaving; -1 by -1 keeps the current one.
    VideoMode modeToApply() const;

    std::vector<VideoMode> modes;
    int32_t shownMode = 0;     ///< the mode the choice showed after the last tick
    bool bModeChosen = false;  ///< the player stepped the choice, wherever it stands now
};
