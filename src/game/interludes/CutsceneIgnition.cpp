#include "game/interludes/CutsceneIgnition.h"
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS(CutsceneIgnition, Cutscene, u"CutsceneIgnition")

namespace {

constexpr double COLUMN = 270.0;
constexpr double IGNITION = 2.0; // scene seconds

} // namespace

CutsceneIgnition::CutsceneIgnition() {
    addProp(GameGlobal::get()->cutsceneroad, 320.0, 240.0);
    startAt(COLUMN, 550.0);
    wait(3.0);
    moveTo(COLUMN, -50.0);
    wait(3.0);
    driveFast();
}

void CutsceneIgnition::renderScene() {
    flyFighter();
    exhaustPuffs();
    if (at(IGNITION)) play(&GameGlobal::soundEngineStart, fighter.x);
    endWhenPathDone();
}
