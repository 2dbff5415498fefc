#include "game/enemies/Enemy.h"
#include <numbers>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/enemies/Atom.h"
#include "game/enemies/Coin.h"
#include "game/enemies/GiftBox.h"
#include "game/enemies/Pod.h"
#include "game/enemies/RoastZelbin.h"
#include "game/enemies/ZelbinLeg.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/player/PlayerShot.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"

VEK_REGISTER_CLASS(Enemy, SpriteActor, u"Enemy")

namespace {

constexpr int32_t HARD_POINTS_FACTOR = 3;
// Straight down, as the single-precision angle the pods are fired with.
constexpr double POD_ANGLE = static_cast<float>(std::numbers::pi / 2.0);
constexpr int32_t POD_MIN_SPEED = 2;
constexpr int32_t POD_SPEED_SPREAD = 3; // speeds range over the level plus this

using LootMaker = Pickup* (*)(double x, double y);
constexpr std::array<LootMaker, Enemy::LOOT_KINDS> LOOT_MAKERS = {
    [](double x, double y) -> Pickup* { return new Atom(false, x, y); },
    [](double x, double y) -> Pickup* { return new GiftBox(gameRandom.below(GiftBox::KINDS), x, y); },
    [](double x, double y) -> Pickup* { return new RoastZelbin(x, y); },
    [](double x, double y) -> Pickup* { return new Coin(x, y); },
    [](double x, double y) -> Pickup* { return new ZelbinLeg(x, y); },
};

} // namespace

int32_t Enemy::level() {
    const GameController* game = GameController::running();
    return game ? game->system : 0;
}

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
    if (!game) return;
    if (isOnScreenX() && isOnScreenY()) dropLoot();
    if (killer < 0 || killer >= GameController::PLAYERS) return;
    PlayerData& player = *game->players[static_cast<std::size_t>(killer)];
    player.addScore(game->difficulty == 1 ? points * HARD_POINTS_FACTOR : points);
    player.onEnemyKilled();
}

void Enemy::dropLoot() {
    GameController& game = *GameController::running();
    for (int kind = 0; kind < LOOT_KINDS; ++kind) {
        const auto index = static_cast<std::size_t>(kind);
        const bool bOncePerWave = index < game.lootDropped.size();
        if (lootChance[index] <= 0 || (bOncePerWave && game.lootDropped[index])) continue;
        if (gameRandom.next() % lootChance[index] != 0) continue;
        for (int32_t i = 0; i < lootCount[index]; ++i)
            game.items->add(LOOT_MAKERS[index](x, y));
        if (bOncePerWave) game.lootDropped[index] = true;
        return;
    }
}

void Enemy::rollPodDrop(int32_t interval) {
    if (interval > 0 && gameRandom.next() % interval == 0 && isOnScreenX() && isOnScreenY()) dropPod();
}

void Enemy::dropPod() {
    GameController* game = GameController::running();
    if (!game) return;
    const int speed = gameRandom.below(level() + POD_SPEED_SPREAD) + POD_MIN_SPEED;
    game->enemyShots->add(new Pod(x, y, POD_ANGLE, speed));
    GameSound::play(&GameGlobal::soundPodDrop, x);
}

void Enemy::addToDigest(GameDigest& digest) const {
    SpriteActor::addToDigest(digest);
    digest.addInt(hitPoints);
}
