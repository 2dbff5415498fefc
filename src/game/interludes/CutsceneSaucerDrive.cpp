#include "game/interludes/CutsceneSaucerDrive.h"
#include "game/GameGlobal.h"
#include "game/interludes/FlappingSaucer.h"
#include "media/SoundChannel.h"

VEK_REGISTER_CLASS(CutsceneSaucerDrive, Cutscene, u"CutsceneSaucerDrive")

namespace {

constexpr double COLUMN = 270.0;
constexpr double PAN_SLIDE = 2.0; // seconds for the motor to come to the centre, and to leave

} // namespace

CutsceneSaucerDrive::CutsceneSaucerDrive() {
    addProp(GameGlobal::get()->cutsceneroad, 320.0, 300.0);
    saucer = new FlappingSaucer(-30.0, 200.0);
    addChild(saucer);
    createLoop(&GameGlobal::soundSaucerEngine);
    startAt(COLUMN, 550.0);
    wait(3.5);
    moveTo(COLUMN, -50.0);
    wait(5.0);
    driveFast();
}

void CutsceneSaucerDrive::renderScene() {
    flyFighter();
    exhaustPuffs();
    if (at(ARRIVES)) {
        loop->setPan(-1.f, 0.0);
        loop->play();
        loop->setPan(0.f, PAN_SLIDE);
    }
    if (sceneClock >= ARRIVES && sceneClock < BRAKES) saucer->x += saucerSpeed;
    if (at(BRAKES)) play(&GameGlobal::soundSkid, saucer->x);
    if (at(HONKS)) {
        play(&GameGlobal::soundCarhorn, saucer->x);
        saucerSpeed = 0.0;
    }
    if (at(LEAVES)) loop->setPan(1.f, PAN_SLIDE);
    if (sceneClock > LEAVES) {
        saucerSpeed += ACCELERATION;
        saucer->x += saucerSpeed;
    }
    endWhenPathDone();
}
