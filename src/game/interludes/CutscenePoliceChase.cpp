#include "game/interludes/CutscenePoliceChase.h"
#include "game/GameGlobal.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/scene/SpriteActor.h"
#include "media/SoundChannel.h"

VEK_REGISTER_CLASS(CutscenePoliceChase, Cutscene, u"CutscenePoliceChase")

namespace {

constexpr double CAR_X = 320.0;
constexpr double FLAME_SIDE = 5.0; // the car's two exhausts, either side of its middle

} // namespace

CutscenePoliceChase::CutscenePoliceChase()
    : CutscenePoliceChase({.bRoad = true, .carY = 240.0, .column = 220.0, .shipWait = 3.0, .shipLinger = 6.0,
                           .sirenTime = 7.0, .carSpeed = 5.0}) {}

CutscenePoliceChase::CutscenePoliceChase(const Chase& settings) : chase(settings) {
    const GameGlobal& root = *GameGlobal::get();
    if (chase.bRoad) addProp(root.cutsceneroad, 320.0, 240.0);
    car = addProp(root.cutscenepolicecar->getSurf(0), CAR_X, chase.carY);
    for (EngineFlame& flame : carFlames)
        flame.targetLevel = CAR_FLAME;
    createLoop(&GameGlobal::soundPoliceSiren);
    startAt(chase.column, 550.0);
    wait(chase.shipWait);
    moveTo(chase.column, -50.0);
    wait(chase.shipLinger);
    driveFast();
}

void CutscenePoliceChase::renderScene() {
    flyFighter();
    exhaustPuffs();
    if (at(IGNITION)) play(&GameGlobal::soundEngineStart, fighter.x);
    if (at(chase.sirenTime)) loop->play();
    driveCar();
    endWhenPathDone();
}

void CutscenePoliceChase::driveCar() {
    const bool bChasing = sceneClock > chase.sirenTime;
    if (bChasing) car->y -= chase.carSpeed;
    for (int side = 0; side < 2; ++side) {
        EngineFlame& flame = carFlames[side];
        flame.x = car->x + (side == 0 ? -FLAME_SIDE : FLAME_SIDE);
        flame.y = car->y + car->surface->height / 2; // at the rear bumper
        flame.frameUpdate();
        if (bChasing) puff(flame.x, flame.y);
    }
}
