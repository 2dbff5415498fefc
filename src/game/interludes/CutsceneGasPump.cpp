#include "game/interludes/CutsceneGasPump.h"
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS(CutsceneGasPump, Cutscene, u"CutsceneGasPump")

namespace {

constexpr double COLUMN = 260.0;
constexpr double ENGINE_DIES = 3.0, PAYS = 12.0; // scene seconds

} // namespace

CutsceneGasPump::CutsceneGasPump() {
    addProp(GameGlobal::get()->cutscenegaspump, 320.0, 240.0);
    startAt(COLUMN, 550.0);
    wait(4.0);
    moveTo(COLUMN, 240.0);
    wait(6.0);
    moveTo(COLUMN, -50.0);
    wait(1.0);
}

void CutsceneGasPump::renderScene() {
    flyFighter();
    if (at(ENGINE_DIES)) play(&GameGlobal::soundEngineStop, fighter.x);
    if (at(PAYS)) play(&GameGlobal::soundCoinBounce, fighter.x);
    endWhenPathDone();
}
