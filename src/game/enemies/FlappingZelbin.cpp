#include "game/enemies/FlappingZelbin.h"
#include <numbers>
#include "game/GameController.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(FlappingZelbin, Enemy, u"FlappingZelbin")

namespace {

constexpr int32_t LOOT_BASE = 30; // chances of one in (30 - level) for a gift or a roast
constexpr int32_t COIN_CHANCE = 30;
constexpr int32_t COINS = 12;
constexpr int SMOKE_PUFFS = 35;
constexpr double SMOKE_SPEED = 2.0;

} // namespace

FlappingZelbin::FlappingZelbin(SurfaceChain* frames, int32_t window)
    : chain(frames), flapping(Flapping::random(window > 0 ? window : frames->count)) {
    surface = chain->getSurf(flapping.frame);
}

void FlappingZelbin::flap() {
    surface = chain->getSurf(flapping.step());
}

void FlappingZelbin::carryZelbinLoot() {
    const int32_t rarity = LOOT_BASE - level();
    lootChance = {rarity * 2, rarity, rarity, COIN_CHANCE, 1};
    lootCount[LOOT_COIN] = COINS;
}

void FlappingZelbin::takeDamage(int32_t amount, int killer) {
    y -= KNOCK_BACK;
    Enemy::takeDamage(amount, killer);
}

void FlappingZelbin::die(int killer) {
    burstIntoSmoke(&GameGlobal::soundZelbinHit);
    Enemy::die(killer);
}

void FlappingZelbin::burstIntoSmoke(GameSound* GameGlobal::*sound) const {
    if (GameController* game = GameController::running())
        game->explosions->add(new Smoke(SMOKE_PUFFS, x, y, SMOKE_SPEED, 0.0, 2.0 * std::numbers::pi));
    GameSound::play(sound, x);
}

void FlappingZelbin::addToDigest(GameDigest& digest) const {
    Enemy::addToDigest(digest);
    digest.addInt(flapping.frame);
}
