#include "game/interludes/CutsceneSkid.h"
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS(CutsceneSkid, Cutscene, u"CutsceneSkid")

namespace {

constexpr double COLUMN = 270.0;
constexpr int32_t SKID_FLAME = 3;
constexpr double SKID_SPEED = 4.0;

} // namespace

CutsceneSkid::CutsceneSkid() {
    addProp(GameGlobal::get()->cutsceneroad, 320.0, 240.0);
    startAt(COLUMN, 550.0);
    wait(1.0);
    moveTo(COLUMN, -50.0);
    wait(1.0);
    moveTo(380.0, 180.0);
    wait(1.0);
    fighter.mover.addMove(680.0, 240.0, 50.0, 150.0, 100.0, 0.0, 0); // round the bend, off to the right
    wait(1.0);
    driveFast();
}

void CutsceneSkid::renderScene() {
    flyFighter();
    if (sceneClock >= SKID) exhaustPuffs();
    if (at(SKID)) {
        play(&GameGlobal::soundSkid, fighter.x);
        fighter.setFlameLevel(SKID_FLAME);
        fighter.mover.speed = SKID_SPEED;
    }
    endWhenPathDone();
}
