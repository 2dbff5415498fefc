#include "menus/ContextTouchscreenControls.h"
#include "game/Global.h"
#include "media/VekGraphics.h"
#include "menus/ChoiceButton.h"
#include "menus/Label.h"
#include "menus/MenuLayout.h"
#include "menus/TextBox.h"

namespace {

constexpr float CHOICE_ROW = 125.f;
constexpr float METHOD_DESCRIPTION_Y = 95.f;
constexpr float FIRING_DESCRIPTION_Y = -30.f;
constexpr uint32_t DESCRIPTION_COLOUR = 0xFFFFFFFF;

} // namespace

ContextTouchscreenControls::ContextTouchscreenControls() : descriptions(new VekBase()) {
    setUpMenuScreen(*this);
    GameConfiguration& configuration = Global::get()->configuration;
    addMenuTitle(*this, menuText(STR_DEVICE_TOUCHSCREEN));
    addChild(descriptions);
    controlMethod =
        addMenuItem(*this, new ChoiceButton(0.f, CHOICE_ROW, 0.f, menuText(STR_CONTROLMETHOD), u"",
                                            &configuration.controlMethod, 0, 1, STR_ENUMCONTROLMETHOD0));
    firingMethod =
        addMenuItem(*this, new ChoiceButton(0.f, 0.f, 0.f, menuText(STR_FIRINGMETHOD), u"",
                                            &configuration.firingMethod, 0, 3, STR_ENUMFIRINGMETHOD0));
    addMenuItem(*this, new ChoiceButton(0.f, -CHOICE_ROW, 0.f, menuText(STR_IOS_SENSITIVITY), u"",
                                        &configuration.touchSensitivity, 0, 4, STR_IOS_ENUMSENSITIVITY0));
    addBackButton(*this);
    describe();
}

void ContextTouchscreenControls::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (takeClick(*controlMethod) || takeClick(*firingMethod)) describe();
}

void ContextTouchscreenControls::describe() {
    descriptions->getChildren().deleteAll();
    FontQuad* small = Global::get()->fontSmall;
    if (!small) return;
    const int width = VekGraphics::get() ? VekGraphics::get()->screenWidth : VekGraphics::LOGICAL_WIDTH;
    const std::pair<float, WideString> texts[] = {
        {METHOD_DESCRIPTION_Y, menuText(STR_ENUMCONTROLMETHOD0DESC + controlMethod->clampedValue())},
        {FIRING_DESCRIPTION_Y, menuText(STR_ENUMFIRINGMETHOD0DESC + firingMethod->clampedValue())},
    };
    for (const auto& [y, text] : texts) {
        const Label line(0.f, y, 0.f, text, small, DESCRIPTION_COLOUR);
        descriptions->addChild(new TextBox(line, width));
    }
}
