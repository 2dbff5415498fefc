#include "game/interludes/CutsceneTrafficLight.h"
#include "game/GameGlobal.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/interludes/FlappingSaucer.h"
#include "media/SoundChannel.h"

VEK_REGISTER_CLASS(CutsceneTrafficLight, Cutscene, u"CutsceneTrafficLight")

namespace {

constexpr double COLUMN = 270.0;
constexpr int RED_FRAMES = 100, GREEN_FRAMES = 187; // rendered frames each light shows
constexpr double SWEEP_TIME = 5.5;                    // seconds of the motor's pan from left to right

// The light turns once and stays on its last frame.
Surface* turningLight() {
    SurfaceChain& light = *GameGlobal::get()->cutscenetrafficlight;
    Surface& red = *light.getSurf(0);
    Surface& green = *light.getSurf(light.count - 1);
    red.frameTime = RED_FRAMES;
    green.frameTime = GREEN_FRAMES;
    red.next = &green;
    green.next = &green;
    return &red;
}

} // namespace

CutsceneTrafficLight::CutsceneTrafficLight() {
    saucer = new FlappingSaucer(-30.0, 200.0);
    createLoop(&GameGlobal::soundSaucerEngine);
    startAt(COLUMN, 550.0);
    wait(4.0);
    moveTo(COLUMN, 320.0);
    wait(6.0);
    moveTo(COLUMN, -50.0);
    wait(1.0);
    addProp(turningLight(), 320.0, 300.0);
    addChild(saucer);
}

void CutsceneTrafficLight::renderScene() {
    flyFighter();
    if (at(RACE_START)) {
        loop->setPan(-1.f, 0.0);
        loop->play();
        loop->setPan(1.f, SWEEP_TIME);
    }
    if (sceneClock > RACE_START) {
        if (saucer->x < SAUCER_GONE)
            saucer->x += SAUCER_SPEED;
        else
            loop->stop();
    }
    endWhenPathDone();
}
