#include "game/enemies/BigPod.h"
#include <numbers>
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/enemies/Zelbin.h"
#include "game/enemies/ZelbinColours.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(BigPod, Enemy, u"BigPod")

namespace {

constexpr int32_t HIT_POINTS_BASE = 10; // tens, plus the level
constexpr int32_t POINTS_BASE = 10;     // hundreds, plus the level
constexpr int SMOKE_PUFFS = 35;
constexpr double SMOKE_SPEED = 2.0;

} // namespace

BigPod::BigPod(double speed, double startX, double startY) : fallSpeed(speed) {
    surface = GameGlobal::get()->pod96;
    hitPoints = (level() + HIT_POINTS_BASE) * 10;
    points = (level() + POINTS_BASE) * 100;
    x = startX;
    y = startY;
}

void BigPod::frameUpdate() {
    y += fallSpeed;
    SpriteActor::frameUpdate();
    if (y > GONE_Y) markDead();
}

void BigPod::die(int killer) {
    GameController* game = GameController::running();
    if (game && isOnScreenX() && isOnScreenY()) {
        game->explosions->add(new Smoke(SMOKE_PUFFS, x, y, SMOKE_SPEED, 0.0, 2.0 * std::numbers::pi));
        GameSound::play(&GameGlobal::soundZelbinPluck, x);
        Zelbin::release(randomZelbinColour(level()), x, y, podInterval / 2);
    }
    Enemy::die(killer);
}

void BigPod::addToDigest(GameDigest& digest) const {
    Enemy::addToDigest(digest);
    digest.addNumber(fallSpeed);
}
