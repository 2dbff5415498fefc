#include "menus/ContextAdvancedGraphics.h"
#include <algorithm>
#include <cmath>
#include "game/Global.h"
#include "media/VekGraphics.h"
#include "menus/ChoiceButton.h"
#include "menus/MenuCheckBox.h"
#include "menus/MenuLayout.h"

namespace {

constexpr float SWITCH_X = 103.f; // switch columns either side of the centre

} // namespace

ContextAdvancedGraphics::ContextAdvancedGraphics() {
    setUpMenuScreen(*this);
    GameConfiguration& configuration = Global::get()->configuration;
    if (const VekGraphics* graphics = VekGraphics::get()) {
        modes = graphics->videoModes;
        selectedMode = shownMode = preselectMode(modes, graphics->displayWidth, graphics->displayHeight);
    }
    for (const VideoMode& mode : modes)
        modeNames.push_back(mode.toString());
    const auto r = static_cast<float>(itemSpacing);
    const float y1 = std::trunc(2.5f * r);
    addMenuTitle(*this, menuText(STR_ADVANCEDOPTIONS));
    addMenuItem(*this,
                new ChoiceButton(0.f, y1, 0.f, menuText(STR_VIDEOMODE), menuText(STR_VIDEOMODEHINT),
                                 &selectedMode, 0, static_cast<int32_t>(modeNames.size()) - 1, modeNames));
    fullScreen =
        addMenuItem(*this, new MenuCheckBox(-SWITCH_X, y1 - 2.f * r, 0.f, menuText(STR_FULLSCREEN),
                                            menuText(STR_FULLSCREENHINT), &configuration.fullScreen));
    letterbox =
        addMenuItem(*this, new MenuCheckBox(SWITCH_X, y1 - 2.f * r, 0.f, menuText(STR_LETTERBOX),
                                            menuText(STR_LETTERBOXHINT), &configuration.allowLetterbox));
    addMenuItem(*this, new MenuCheckBox(-SWITCH_X, y1 - 3.f * r, 0.f, menuText(STR_VSYNC),
                                        menuText(STR_VSYNCHINT), &configuration.vsync));
    addMenuItem(*this, new MenuCheckBox(-SWITCH_X, y1 - 4.f * r, 0.f, menuText(STR_BILINEARFILTER),
                                        menuText(STR_BILINEARFILTERHINT), &configuration.bilinearFilter));
    addMenuItem(*this, new MenuCheckBox(-SWITCH_X, y1 - 5.f * r, 0.f, menuText(STR_SHOWFPS),
                                        menuText(STR_SHOWFPSHINT), &configuration.showFps));
    addBackButton(*this);
}

int32_t ContextAdvancedGraphics::preselectMode(const std::vector<VideoMode>& modes, int width, int height) {
    int32_t index = 0;
    for (std::size_t i = 0; i < modes.size(); ++i)
        if (modes[i].width == width && modes[i].height == height) index = static_cast<int32_t>(i);
    return index;
}

void ContextAdvancedGraphics::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    bModeChosen = bModeChosen || selectedMode != shownMode;
    shownMode = selectedMode;
    letterbox->disabled = !Global::get()->configuration.fullScreen;
}

void ContextAdvancedGraphics::onDeactivate(bool removed) {
    ContextMenu::onDeactivate(removed);
    if (!removed) return;
    const VideoMode mode = modeToApply();
    Global::get()->applyConfiguration(mode.width, mode.height);
}

VideoMode ContextAdvancedGraphics::modeToApply() const {
    // "-safe" shows a window of its own for this run, which the list may lack: the saved mode
    // stays unless the player chose one, even the one the screen showed first.
    const VekGraphics* graphics = VekGraphics::get();
    if (modes.empty() || (graphics && graphics->isSafeMode() && !bModeChosen))
        return {-1, -1};
    // The mode shown is the one applied, also when the player left it alone: the display's own
    // size, or the first mode where the list lacks that size.
    return modes[static_cast<std::size_t>(
        std::clamp<int32_t>(selectedMode, 0, static_cast<int32_t>(modes.size()) - 1))];
}
