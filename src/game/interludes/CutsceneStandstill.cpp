#include "game/interludes/CutsceneStandstill.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"

VEK_REGISTER_CLASS(CutsceneStandstill, Cutscene, u"CutsceneStandstill")

namespace {

constexpr double HOLD_X = 320.0, HOLD_Y = 260.0;
constexpr double CALL = 3.0, GIVE_UP = 6.0; // scene seconds

} // namespace

CutsceneStandstill::CutsceneStandstill() {
    addProp(GameGlobal::get()->cutscenepolicecar->getSurf(0), 330.0, 220.0);
    startAt(HOLD_X, HOLD_Y);
    wait(9.0);
}

void CutsceneStandstill::renderScene() {
    // Whatever its path does, the ship does not move.
    fighter.mover.x = fighter.x = HOLD_X;
    fighter.mover.y = fighter.y = HOLD_Y;
    flyFighter();
    if (at(CALL)) play(&GameGlobal::soundMegaphone);
    if (at(GIVE_UP)) play(&GameGlobal::soundBonewah);
    endWhenPathDone();
}
