#include "game/enemies/Fluff.h"
#include <algorithm>
#include <cmath>
#include "core/GameRandom.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Fluff, SpriteActor, u"Fluff")

namespace {

constexpr int SPEED_SPREAD = 20; // -10 to 9 units per frame on each axis
constexpr int SPEED_OFFSET = 10;
constexpr int LIFE_SPREAD = 50; // 50 to 99 frames
constexpr int LIFE_MIN = 50;
constexpr double DRAG = 0.5;  // taken off each axis's speed every frame
constexpr double SINK = 2.0;  // units per frame
constexpr int PHASES_PER_FRAME = 2;

double slowed(double speed) {
    return speed > 0.0 ? std::max(0.0, speed - DRAG) : std::min(0.0, speed + DRAG);
}

} // namespace

Fluff::Fluff(double atX, double atY)
    : vx(gameRandom.below(SPEED_SPREAD) - SPEED_OFFSET), vy(gameRandom.below(SPEED_SPREAD) - SPEED_OFFSET),
      life(gameRandom.below(LIFE_SPREAD) + LIFE_MIN), phase(gameRandom.below(PHASES - 1)),
      phaseStep(gameRandom.next() & 1 ? 1 : -1) {
    x = atX;
    y = atY;
}

void Fluff::frameUpdate() {
    if (phase <= 0) phaseStep = 1;
    if (phase >= PHASES - 1) phaseStep = -1;
    phase = std::clamp(phase + phaseStep, 0, PHASES - 1);
    surface = GameGlobal::get()->fluff->getSurf(phase / PHASES_PER_FRAME);
    vx = slowed(vx);
    vy = slowed(vy);
    x += vx;
    y += vy + SINK;
    SpriteActor::frameUpdate();
    if (--life < 1) markDead();
}

void Fluff::addToDigest(GameDigest& digest) const {
    SpriteActor::addToDigest(digest);
    for (const double value : {vx, vy})
        digest.addNumber(value);
    for (const int64_t value : {int64_t{life}, int64_t{phase}})
        digest.addInt(value);
}
