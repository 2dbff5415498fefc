#include "game/interludes/CutsceneBurgerJoint.h"
#include "core/StringKeys.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/hud/CaptionText.h"
#include "game/interludes/PlayerFighterCameo.h"

VEK_REGISTER_CLASS(CutsceneBurgerJoint, Cutscene, u"CutsceneBurgerJoint")

namespace {

constexpr int32_t HEADLINE_Y = 90, HINT_Y = 460;

} // namespace

CutsceneBurgerJoint::CutsceneBurgerJoint() {
    closeOnFire = false;
    GameGlobal& root = *GameGlobal::get();
    addProp(root.burgerJoint->getSurf(0), 320.0, 240.0);
    for (int32_t player = 0; player < GameController::PLAYERS; ++player)
        addChild(new PlayerFighterCameo(player));
    auto* headline = new CaptionText(root.textFontLarge, HEADLINE_Y);
    headline->setText(STR_CHOOSEPLAYERS1, CAPTION_TIME, HEADLINE_BLINK);
    auto* hint = new CaptionText(root.textFontSmall, HINT_Y);
    hint->setText(STR_CHOOSEPLAYERS2, CAPTION_TIME, 0);
    addChild(headline);
    addChild(hint);
}
