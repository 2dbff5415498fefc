#include "game/interludes/CutsceneStopover.h"
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS(CutsceneStopover, Cutscene, u"CutsceneStopover")

namespace {

constexpr double COLUMN = 250.0;

} // namespace

CutsceneStopover::CutsceneStopover() {
    addProp(GameGlobal::get()->cutsceneroad, 320.0, 240.0);
    startAt(COLUMN, 550.0);
    wait(4.0);
    moveTo(COLUMN, 260.0);
    wait(2.0);
    moveTo(COLUMN, -50.0);
    wait(2.0);
}

void CutsceneStopover::renderScene() {
    flyFighter();
    endWhenPathDone();
}
