#include "menus/ContextCreditsMenu.h"
#include "core/AppEnvironment.h"
#include "core/Format.h"
#include "core/StaticSettings.h"
#include "core/Vek.h"
#include "game/Global.h"
#include "media/FontQuad.h"
#include "media/VekGraphics.h"
#include "menus/ContextCredits.h"
#include "menus/Label.h"
#include "menus/MenuLayout.h"

namespace {

constexpr float VERSION_INSET_X = 4.f;
constexpr float VERSION_INSET_Y = 2.f;
constexpr uint32_t VERSION_COLOUR = 0xFFFFFFFF;
constexpr int VERSION_FLAGS = FontQuad::TEXT_RIGHT | FontQuad::TEXT_BOTTOM;

} // namespace

ContextCreditsMenu::ContextCreditsMenu() {
    setUpMenuScreen(*this);
    const VekGraphics* graphics = VekGraphics::get();
    const float halfWidth = graphics ? static_cast<float>(graphics->screenWidth / 2) : 320.f;
    const float halfHeight = graphics ? static_cast<float>(graphics->screenHeight / 2) : 240.f;
    const WideString version = stringf(u"%s %dx", getVersionString(), Vek::get()->getStaticSettings().hq2x);
    auto* label = new Label(halfWidth - VERSION_INSET_X, VERSION_INSET_Y - halfHeight, 0.f, version,
                            Global::get()->fontSmall, VERSION_COLOUR);
    label->textFlags = VERSION_FLAGS;
    addChild(label);
    credits = new ContextCredits();
    credits->buildText();
}

ContextCreditsMenu::~ContextCreditsMenu() {
    credits->destroy();
}

void ContextCreditsMenu::tickContents(double t, double dt) {
    ContextMenu::tickContents(t, dt);
    credits->tickContext(t, dt);
}

void ContextCreditsMenu::renderContents() {
    ContextMenu::renderContents();
    credits->renderContext();
}
