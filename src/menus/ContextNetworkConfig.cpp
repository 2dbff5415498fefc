#include "menus/ContextNetworkConfig.h"
#include <algorithm>
#include "game/Global.h"
#include "menus/CountryList.h"
#include "menus/MenuBackButton.h"
#include "menus/MenuLayout.h"

namespace {

constexpr float LIST_LEFT = -128.f; // the country list's edge on its caption's side
constexpr int LIST_WIDTH = 512;

} // namespace

ContextNetworkConfig::ContextNetworkConfig() {
    setUpMenuScreen(*this);
    addMenuTitle(*this, menuText(STR_NETCONFIGTITLE));
    // The list keeps its caption's side in place and ends with the corner buttons at the latest,
    // so on a 4:3 screen it is narrower than on a wide one.
    const int width = std::min(LIST_WIDTH, originX - static_cast<int>(LIST_LEFT));
    auto* list = new CountryList(LIST_LEFT + static_cast<float>(width) / 2.f, static_cast<float>(-itemSpacing), 0.f,
                                 menuText(STR_SELECTYOURCOUNTRY), menuText(STR_SELECTYOURCOUNTRYHINT),
                                 &Global::get()->configuration.countryIndex);
    list->setWidth(width);
    addMenuItem(*this, list);
    addBackButton(*this, STR_CANCEL);
    pNext = addBottomButton(*this, BottomSlot::End, STR_NEXT);
}

void ContextNetworkConfig::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (!takeClick(*pNext)) return;
    Global::get()->configuration.networkConfigured = true;
    closed = true;
}
