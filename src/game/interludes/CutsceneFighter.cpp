#include "game/interludes/CutsceneFighter.h"
#include <cmath>
#include <numbers>
#include "game/AngleToFrame.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS(CutsceneFighter, Enemy, u"CutsceneFighter")

namespace {

constexpr double MOVING = 0.1;        // |vx| + |vy| of a ship that turns to its motion
constexpr double NOZZLE_BEHIND = 18.0; // units behind the ship's centre
constexpr double NOZZLE_SIDE = 10.0;   // units to either side
constexpr double NOZZLE_BELOW = 1.0;

} // namespace

CutsceneFighter::CutsceneFighter() : heading(-std::numbers::pi / 2.0) {
    mover.speed = SPEED;
    mover.bFrameRateScaling = false;
    setFlameLevel(IDLE_FLAME);
}

void CutsceneFighter::setFlameLevel(int32_t level) {
    leftFlame.targetLevel = rightFlame.targetLevel = level;
}

void CutsceneFighter::setAfterburner(bool bOn) {
    leftFlame.bAfterburner = rightFlame.bAfterburner = bOn;
}

void CutsceneFighter::nozzle(int side, double& outX, double& outY) const {
    const double c = std::cos(heading);
    const double s = std::sin(heading);
    outX = x - NOZZLE_BEHIND * c + side * NOZZLE_SIDE * s;
    outY = y - NOZZLE_BELOW - NOZZLE_BEHIND * s - side * NOZZLE_SIDE * c;
}

void CutsceneFighter::frameUpdate() {
    mover.update();
    if (std::abs(mover.vx) + std::abs(mover.vy) >= MOVING) heading = std::atan2(mover.vy, mover.vx);
    if (const GameGlobal* game = GameGlobal::get(); game && game->fighter360)
        surface = game->fighter360->getSurf(angleToFrame(game->fighter360->count, heading));
    x = (x + mover.x) * 0.5;
    y = (y + mover.y) * 0.5;
    for (auto [flame, side] : {std::pair{&leftFlame, -1}, std::pair{&rightFlame, 1}}) {
        nozzle(side, flame->x, flame->y);
        flame->frameUpdate();
    }
    SpriteActor::frameUpdate();
}

void CutsceneFighter::addToDigest(GameDigest& digest) const {
    Enemy::addToDigest(digest);
    digest.addNumber(heading);
}
