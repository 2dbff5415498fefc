#include "game/enemies/UmbrellaZelbin.h"
#include "core/GameRandom.h"
#include "game/enemies/Zelbin.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(UmbrellaZelbin, FlappingZelbin, u"UmbrellaZelbin")

namespace {

constexpr int32_t HIT_POINTS_BASE = 10; // tens, plus the level
constexpr int32_t POINTS_BASE = 20;     // fifties, plus the level
constexpr int MIN_FALL = 2;
constexpr int32_t COIN_CHANCE = 1; // every umbrella shot down drops a coin
constexpr int32_t RIDER_COLOUR = 4;

} // namespace

UmbrellaZelbin::UmbrellaZelbin(double startX, double startY)
    : FlappingZelbin(GameGlobal::get()->umbrella),
      fallSpeed(gameRandom.below(level() / 2 + 1) + MIN_FALL) {
    hitPoints = (level() + HIT_POINTS_BASE) * 10;
    points = (level() + POINTS_BASE) * 50;
    lootChance[LOOT_COIN] = COIN_CHANCE;
    setStartPosition(startX, startY);
}

void UmbrellaZelbin::frameUpdate() {
    flap();
    rollPodDrop(podInterval);
    mover.y += fallSpeed;
    if (mover.y > GONE_Y) markDead();
    Enemy::frameUpdate();
}

void UmbrellaZelbin::die(int killer) {
    burstIntoSmoke(&GameGlobal::soundZelbinPluck);
    if (isOnScreenX() && isOnScreenY()) Zelbin::release(RIDER_COLOUR, x, y + RIDER_DROP, podInterval / 2);
    Enemy::die(killer);
}

void UmbrellaZelbin::addToDigest(GameDigest& digest) const {
    FlappingZelbin::addToDigest(digest);
    digest.addNumber(fallSpeed);
}
