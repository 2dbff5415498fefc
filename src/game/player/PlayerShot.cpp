#include "game/player/PlayerShot.h"
#include <cmath>
#include <numbers>
#include "core/ChildIterator.h"
#include "game/AngleToFrame.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Enemy.h"
#include "game/scene/Explosion.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(PlayerShot, SpriteActor, u"PlayerShot")

namespace {

constexpr int32_t DOUBLE_CRYSTAL = 200; // pattern damage from which the crystal is a double one
constexpr double ACCELERATION = 1.0;    // units per frame, every frame
constexpr int IMPACT_SPARKS = 6;
constexpr double IMPACT_SPEED = 2.0;

Surface* crystalFrame(int32_t n, double angle) {
    const GameGlobal* game = GameGlobal::get();
    SurfaceChain* chain = !game ? nullptr : n >= DOUBLE_CRYSTAL ? game->crystalDouble : game->crystal;
    return chain ? chain->getSurf(angleToFrame(chain->count, angle)) : nullptr;
}

} // namespace

PlayerShot::PlayerShot(int player, int32_t n, double startX, double startY, double heading)
    : PlayerShot(player, n / difficultyDivisor(), startX, startY, heading, 0.0) {
    surface = crystalFrame(n, heading);
}

PlayerShot::PlayerShot(int player, int32_t finalDamage, double startX, double startY, double heading,
                       double startSpeed)
    : SpriteActor(startX, startY, nullptr), playerIndex(player), damage(finalDamage), angle(heading),
      speed(startSpeed) {}

int32_t PlayerShot::difficultyDivisor() {
    const GameController* game = GameController::running();
    return game && game->difficulty == 1 ? 2 : 1;
}

void PlayerShot::frameUpdate() {
    move();
    strikeFirstEnemy();
}

void PlayerShot::move() {
    speed += ACCELERATION;
    x += std::cos(angle) * speed;
    y += std::sin(angle) * speed;
}

void PlayerShot::strikeFirstEnemy() {
    SpriteActor::frameUpdate();
    if (!isOnScreenX() || !isOnScreenY()) {
        markDead();
        return;
    }
    GameController* game = GameController::running();
    if (!game) return;
    ChildIterator it(*game->enemies);
    while (VekBase* member = it.next()) {
        auto* enemy = static_cast<Enemy*>(member);
        if (!collides(*enemy)) continue;
        impact(*enemy);
        enemy->onShot(*this);
        return;
    }
}

void PlayerShot::impact(Enemy&) {
    const GameGlobal* root = GameGlobal::get();
    GameController* game = GameController::running();
    if (root && game && root->configuration.detail == 1)
        game->explosions->add(new Explosion(IMPACT_SPARKS, x, y, IMPACT_SPEED, 0.0, 2.0 * std::numbers::pi));
    markDead();
}

void PlayerShot::addToDigest(GameDigest& digest) const {
    SpriteActor::addToDigest(digest);
    digest.addInt(damage);
    digest.addNumber(speed);
}
