#include "menus/ContextNetworkConfig.h"
#include "core/Language.h"
#include "core/StringKeys.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "menus/CountryList.h"
#include "menus/Label.h"
#include "menus/MenuBackButton.h"

namespace {

constexpr int BUTTON_WIDTH = 160;
constexpr float CORNER_INSET = 80.f;
constexpr float LIST_X = 128.f;
constexpr uint32_t WHITE = 0xFFFFFFFF;

} // namespace

ContextNetworkConfig::ContextNetworkConfig() {
    deleteWhenClosed = true;
    pPreObject = Global::get()->menuBackground;
    pPostObject = Global::get()->snowfall;
    const Language& language = Vek::get()->getLanguage();
    Global& game = *Global::get();
    const auto x0 = static_cast<float>(originX);
    const auto y0 = static_cast<float>(originY);
    auto* title = new Label(0.f, y0, 0.f, language.getString(STR_NETCONFIGTITLE), game.fontLarge, WHITE);
    title->textFlags |= FontQuad::TEXT_MIDDLE;
    addChild(title);
    addMenuChild(new CountryList(LIST_X, static_cast<float>(-itemSpacing), 0.f, language.getString(STR_SELECTYOURCOUNTRY),
                                 language.getString(STR_SELECTYOURCOUNTRYHINT), &game.configuration.countryIndex));
    auto* cancel = new MenuBackButton(CORNER_INSET - x0, -y0, 0.f, language.getString(STR_CANCEL), {});
    cancel->setWidth(BUTTON_WIDTH);
    addMenuChild(cancel);
    pNext = new MenuButton(x0 - CORNER_INSET, -y0, 0.f, language.getString(STR_NEXT), {});
    pNext->setWidth(BUTTON_WIDTH);
    addMenuChild(pNext);
}

void ContextNetworkConfig::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    if (!pNext->clicked) return;
    pNext->clicked = false;
    Global::get()->configuration.networkConfigured = true;
    closed = true;
}
