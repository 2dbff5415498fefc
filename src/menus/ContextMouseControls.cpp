#include "menus/ContextMouseControls.h"
#include "game/Global.h"
#include "menus/MenuLayout.h"
#include "menus/MouseButtonChoice.h"

namespace {

constexpr int ROW_WIDTH = 192;

} // namespace

ContextMouseControls::ContextMouseControls() {
    setUpMenuScreen(*this);
    GameConfiguration& configuration = Global::get()->configuration;
    const auto r = static_cast<float>(itemSpacing);
    addMenuTitle(*this, menuText(STR_DEVICE_MOUSE));
    const WideString hint = menuText(STR_CONTROLSMOUSEBUTTONSHINT);
    auto* fire = addMenuItem(*this, new MouseButtonChoice(0.f, r, 0.f, menuText(STR_CONTROLSFIRE), hint,
                                                          &configuration.mouseFireButton,
                                                          &configuration.mouseAltFireButton));
    auto* missile = addMenuItem(*this, new MouseButtonChoice(0.f, 0.f, 0.f, menuText(STR_CONTROLSALTFIRE),
                                                             hint, &configuration.mouseAltFireButton,
                                                             &configuration.mouseFireButton));
    fire->setWidth(ROW_WIDTH);
    missile->setWidth(ROW_WIDTH);
    addBackButton(*this);
}
