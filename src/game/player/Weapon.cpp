#include "game/player/Weapon.h"
#include "core/ErrorManager.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/player/PlayerShot.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Weapon, GameObject, u"Weapon")

namespace {

constexpr int32_t FIREPOWER_POINTS = 1000; // times the new power
constexpr int32_t MAX_POWER_POINTS = 100000;
constexpr int32_t MAGENTA = 2;
constexpr int32_t BLUE = 4;
constexpr int SPREAD_TIER = 9; // powers 9 to 19 share one pattern

} // namespace

Weapon::Weapon(int player, double interval, GameSound* GameGlobal::*sound, const PatternTable& table)
    : playerIndex(player), fireInterval(interval), fireSound(sound), patterns(table) {}

int Weapon::tierOf(int32_t level) {
    if (level >= MAX_POWER) return POWER_TIERS - 1;
    if (level >= SPREAD_TIER) return SPREAD_TIER;
    return level < 0 ? 0 : level;
}

std::span<const ShotPattern> Weapon::pattern() const {
    const PatternRow& row = patterns[static_cast<std::size_t>(tierOf(power))];
    return {row.shots.data(), row.count};
}

bool Weapon::canFire() const {
    const GameController* game = GameController::running();
    return game && game->sceneClock >= nextFireTime;
}

bool Weapon::canAutoFire() const {
    const GameController* game = GameController::running();
    return game && game->sceneClock >= slowFireTime;
}

void Weapon::fire() {
    GameController* game = GameController::running();
    VEK_ASSERT(game != nullptr);
    const Fighter& fighter = *game->players[static_cast<std::size_t>(playerIndex)]->fighter;
    const GameGlobal* root = GameGlobal::get();
    if (root && root->*fireSound) (root->*fireSound)->playSound(fighter.x);
    nextFireTime = game->sceneClock + fireInterval;
    slowFireTime = game->sceneClock + 2.0 * fireInterval;
    for (const ShotPattern& shot : pattern())
        game->playerShots->add(makeShot(shot, fighter.x + shot.dx, fighter.y + shot.dy));
}

void Weapon::addPower(int32_t n) {
    const int32_t before = power;
    power += n;
    const GameGlobal* root = GameGlobal::get();
    const GameController* game = GameController::running();
    if (!game) return;
    const PlayerData& player = *game->players[static_cast<std::size_t>(playerIndex)];
    if (root && root->soundFanfare) root->soundFanfare->playSound(player.fighter->x);
    if (power >= MAX_POWER && before < MAX_POWER)
        player.award(STR_BONUSMAXPOWER, MAX_POWER_POINTS, BLUE);
    else
        player.award(STR_BONUSFIREPOWER, power * FIREPOWER_POINTS, MAGENTA);
}

void Weapon::addToDigest(GameDigest& digest) const {
    GameObject::addToDigest(digest);
    digest.addInt(power);
    digest.addNumber(nextFireTime);
    digest.addNumber(slowFireTime);
}
