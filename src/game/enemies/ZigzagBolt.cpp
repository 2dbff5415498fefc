#include "game/enemies/ZigzagBolt.h"
#include <cmath>
#include "game/AngleToFrame.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ZigzagBolt, EnemyShot, u"ZigzagBolt")

namespace {

constexpr double SPEED_SCALE = 0.8333333333333334;

double boltSpeed(double speed) {
    const GameController* game = GameController::running();
    const int32_t difficulty = game ? game->difficulty : 0;
    return (ZigzagBolt::HARD_SPEED * difficulty + speed) * SPEED_SCALE;
}

} // namespace

ZigzagBolt::ZigzagBolt(double atX, double atY, double angle, double speed)
    : vx(std::cos(angle) * boltSpeed(speed)), vy(std::sin(angle) * boltSpeed(speed)) {
    x = atX;
    y = atY;
    const SurfaceChain& frames = *GameGlobal::get()->zigzagPurple;
    surface = frames.getSurf(angleToFrame(frames.count, angle));
}

void ZigzagBolt::frameUpdate() {
    x += vx;
    y += vy;
    if (!isOnScreenX() || !isOnScreenY()) markDead();
    SpriteActor::frameUpdate();
}

void ZigzagBolt::addToDigest(GameDigest& digest) const {
    EnemyShot::addToDigest(digest);
    digest.addNumber(vx);
    digest.addNumber(vy);
}
