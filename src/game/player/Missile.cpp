#include "game/player/Missile.h"
#include <cmath>
#include <numbers>
#include "core/ChildIterator.h"
#include "game/AngleToFrame.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Enemy.h"
#include "game/scene/Explosion.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Missile, PlayerShot, u"Missile")

namespace {

constexpr double PI = std::numbers::pi;
constexpr int32_t NOMINAL_DAMAGE = 100; // carried like every shot's; the burst deals its own
constexpr int TRAIL_PUFFS = 15;
constexpr double TRAIL_SPEED = 2.0;
constexpr double TRAIL_BEHIND = 10.0; // units behind the missile
constexpr int BURST_SPARKS = 200;
constexpr double BURST_SPEED = 5.0;
constexpr int32_t BURST_SHAKE = 15;

} // namespace

Missile::Missile(int player, double startX, double startY)
    : PlayerShot(player, NOMINAL_DAMAGE, startX, startY, std::atan2(TARGET_Y - startY, TARGET_X - startX), 0.0) {
    backAngle = std::fmod(angle + PI, 2.0 * PI);
    if (backAngle < 0.0) backAngle += 2.0 * PI;
    const GameGlobal* root = GameGlobal::get();
    if (root && root->missile) surface = root->missile->getSurf(angleToFrame(root->missile->count, angle));
}

void Missile::frameUpdate() {
    speed += ACCELERATION;
    x += std::cos(angle) * speed;
    y += std::sin(angle) * speed;
    if (GameController* game = GameController::running())
        game->smoke->add(new Smoke(TRAIL_PUFFS, x + std::cos(backAngle) * TRAIL_BEHIND,
                                   y + std::sin(backAngle) * TRAIL_BEHIND, TRAIL_SPEED, backAngle, PI));
    SpriteActor::frameUpdate();
    if (std::abs(TARGET_X - x) + std::abs(TARGET_Y - y) < BURST_REACH || hasPassedTarget())
        detonate();
    else if (!isOnScreenX() || !isOnScreenY())
        markDead();
}

bool Missile::hasPassedTarget() const {
    return (TARGET_X - x) * std::cos(angle) + (TARGET_Y - y) * std::sin(angle) < 0.0;
}

void Missile::detonate() {
    markDead();
    GameController* game = GameController::running();
    if (!game) return;
    ChildIterator enemies(*game->enemies);
    while (VekBase* enemy = enemies.next())
        static_cast<Enemy*>(enemy)->takeDamage(BLAST_DAMAGE, playerIndex);
    ChildIterator shots(*game->enemyShots);
    while (VekBase* shot = shots.next())
        shot->markDead();
    game->sky->verticalShake = BURST_SHAKE;
    const GameGlobal* root = GameGlobal::get();
    if (root && root->soundExplosion) root->soundExplosion->playSound(x);
    game->explosions->add(new Explosion(BURST_SPARKS, x, y, BURST_SPEED, 0.0, 2.0 * PI));
}
