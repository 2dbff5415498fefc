#include "game/enemies/Enemy.h"
#include "game/GameController.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/player/PlayerShot.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS(Enemy, SpriteActor, u"Enemy")

namespace {

constexpr int32_t HARD_POINTS_FACTOR = 3;

} // namespace

void Enemy::frameUpdate() {
    x = (x + mover.x) * 0.5;
    y = (y + mover.y) * 0.5;
    SpriteActor::frameUpdate();
}

void Enemy::setStartPosition(double startX, double startY) {
    mover.setPosition(startX, startY);
    x = startX;
    y = startY;
}

void Enemy::onRammed(Fighter& fighter) {
    takeDamage(RAM_DAMAGE, fighter.playerIndex);
}

void Enemy::onShot(PlayerShot& shot) {
    takeDamage(shot.damage, shot.playerIndex);
}

void Enemy::takeDamage(int32_t amount, int killer) {
    if (bInvulnerable || isDead()) return;
    hitPoints -= amount;
    if (hitPoints < 1) die(killer);
}

void Enemy::die(int killer) {
    markDead();
    GameController* game = GameController::running();
    if (!game || killer < 0 || killer >= GameController::PLAYERS) return;
    PlayerData& player = *game->players[static_cast<std::size_t>(killer)];
    player.addScore(game->difficulty == 1 ? points * HARD_POINTS_FACTOR : points);
    player.onEnemyKilled();
}

void Enemy::addToDigest(GameDigest& digest) const {
    SpriteActor::addToDigest(digest);
    digest.addInt(hitPoints);
}
