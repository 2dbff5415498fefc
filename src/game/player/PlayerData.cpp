#include "game/player/PlayerData.h"
#include <algorithm>
#include <limits>
#include <numbers>
#include "core/ErrorManager.h"
#include "core/Language.h"
#include "core/Vek.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SavegameData.h"
#include "game/hud/FloatingMessage.h"
#include "game/hud/Hud.h"
#include "game/player/Fighter.h"
#include "game/player/WeaponDefault.h"
#include "game/player/WeaponLaser.h"
#include "game/player/WeaponNeutron.h"
#include "game/scene/Explosion.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(PlayerData, GameObject, u"PlayerData")

namespace {

// Bonus plate colours.
constexpr int32_t RED = 1;
constexpr int32_t CYAN = 3;
constexpr int32_t BLUE = 4;
constexpr int32_t WHITE = 5;

constexpr int32_t MULTI_KILL_COUNT = 3; // kills that make a multi-kill
constexpr int32_t MULTI_KILL_POINTS = 100;
constexpr int32_t EXTRA_LIFE_POINTS = 50000;
// A game saves its own step, and a continued one pays no more lives per point than it does.
static_assert(SavegameData::MIN_EXTRA_LIFE_STEP == PlayerData::EXTRA_LIFE_STEP);
constexpr int32_t LIFE_ASSIST_POINTS = 50000;
constexpr int32_t TREASURE_POINTS = 75000;
constexpr int32_t FIRST_KILL_POINTS = 7000;
constexpr int32_t EARLY_BIRD_POINTS = 1000; // times the system index + 12
constexpr double EARLY_BIRD_TIME = 3.0;     // seconds after the wave's start
constexpr int32_t POWER_LOSS = 5;           // at most; half the power at least

constexpr int BURST = 50; // puffs and sparks of a destroyed fighter
constexpr double BURST_SPEED = 3.0;
constexpr double FULL_CIRCLE = 2.0 * std::numbers::pi;
constexpr int32_t DESTROYED_SHAKE = 10;

GameController& game() {
    GameController* controller = GameController::running();
    VEK_ASSERT(controller != nullptr);
    return *controller;
}

void play(GameSound* GameGlobal::*sound, double x) {
    const GameGlobal* root = GameGlobal::get();
    if (root && root->*sound) (root->*sound)->playSound(x);
}

} // namespace

PlayerData::PlayerData(int index) : playerIndex(index), fighter(new Fighter(index)) {
    addChild(fighter);
    weapons = {new WeaponDefault(index), new WeaponNeutron(index), new WeaponLaser(index)};
    for (Weapon* w : weapons)
        addChild(w);
    switchWeapon(0);
}

void PlayerData::onStateChange() {
    if (getState() == ENTERING) setState(PLAYING, APPEAR_DELAY);
    if (getState() == PLAYING) fighter->respawn();
}

void PlayerData::frameUpdate() {
    if (getState() != PLAYING) return;
    fighter->frameUpdate();
    checkMultiKill();
}

void PlayerData::checkMultiKill() {
    if (multiKillCount <= 0 || multiKillTime + MULTI_KILL_TIME >= game().sceneClock) return;
    if (multiKillCount >= MULTI_KILL_COUNT) award(STR_BONUSMULTIKILL, multiKillCount * MULTI_KILL_POINTS, RED);
    multiKillCount = 0;
}

void PlayerData::award(StringId title, int32_t points, int32_t style) const {
    Hud& hud = *game().huds[static_cast<std::size_t>(playerIndex)];
    hud.queue(new FloatingMessage(playerIndex, Vek::get()->getLanguage().getString(title), u"", points, style,
                                  hud.bCompact));
}

void PlayerData::addScore(int32_t points) {
    score = static_cast<int32_t>(std::clamp<int64_t>(int64_t{score} + points, std::numeric_limits<int32_t>::min(),
                                                     std::numeric_limits<int32_t>::max()));
    // Each extra life's bonus pays through here while the loop below is paying that life; the
    // loop then takes the next threshold the bonus passed, so several at once never nest.
    if (bPayingExtraLives) return;
    bPayingExtraLives = true;
    while (hasPassedExtraLifeThreshold()) {
        payExtraLife();
        // A step that the bonus alone passes would pay lives without end: one per call then.
        if (extraLifeStep <= EXTRA_LIFE_POINTS) break;
    }
    bPayingExtraLives = false;
}

bool PlayerData::hasPassedExtraLifeThreshold() const {
    // A threshold that can no longer rise (a step of 0 or less, or the top of the range) is never passed.
    return extraLifeStep > 0 && extraLifeThreshold != std::numeric_limits<int32_t>::max() &&
           score >= extraLifeThreshold;
}

void PlayerData::payExtraLife() {
    extraLifeThreshold = static_cast<int32_t>(
        std::min<int64_t>(int64_t{extraLifeThreshold} + extraLifeStep, std::numeric_limits<int32_t>::max()));
    ++lives;
    play(&GameGlobal::soundExtraLife, fighter->x);
    award(STR_BONUSEXTRALIFE, EXTRA_LIFE_POINTS, CYAN);
}

void PlayerData::switchWeapon(int index) {
    VEK_ASSERT(index >= 0 && index < MAXWEAPONS);
    play(&GameGlobal::soundSwitchweapon, fighter->x);
    Weapon* chosen = weapons[static_cast<std::size_t>(index)];
    if (pWeapon == chosen) chosen->addPower(1);
    if (pWeapon) chosen->power = pWeapon->power;
    pWeapon = chosen;
}

void PlayerData::restoreWeapon(int index, int32_t power) {
    VEK_ASSERT(index >= 0 && index < MAXWEAPONS);
    pWeapon = weapons[static_cast<std::size_t>(index)];
    pWeapon->power = power;
}

int PlayerData::weaponIndex() const {
    const auto found = std::find(weapons.begin(), weapons.end(), pWeapon);
    return found == weapons.end() ? 0 : static_cast<int>(found - weapons.begin());
}

void PlayerData::addFood(int32_t amount) {
    food += amount;
    if (food < FOOD_PER_MISSILE) return;
    food = 0;
    ++missiles;
    play(&GameGlobal::soundFanfareBig, fighter->x);
}

void PlayerData::addCoin() {
    if (++coins < COINS_PER_TREASURE) return;
    play(&GameGlobal::soundExtraLife, fighter->x);
    award(STR_BONUSTREASURE, TREASURE_POINTS, BLUE);
    coins = 0;
}

void PlayerData::onEnemyKilled() {
    GameController& controller = game();
    ++kills;
    ++multiKillCount;
    multiKillTime = controller.sceneClock;
    if (controller.waveStartTime + EARLY_BIRD_TIME > controller.sceneClock) {
        award(STR_BONUSEARLYBIRD, (controller.system + 12) * EARLY_BIRD_POINTS, BLUE);
        controller.waveStartTime = GameController::EARLY_BIRD_TAKEN;
    }
    if (controller.players[0]->isTakingPart() && controller.players[1]->isTakingPart() &&
        controller.bFirstKillPending) {
        award(STR_BONUSFIRSTKILL, FIRST_KILL_POINTS, WHITE);
        controller.bFirstKillPending = false;
    }
}

void PlayerData::destroyed() {
    if (getState() != PLAYING) return;
    GameController& controller = game();
    explode();
    Weapon& current = weapon();
    current.power = std::max(current.power - POWER_LOSS, current.power / 2);
    // A player flying with no life left (brought back as saved when out, or on a borrowed
    // life) loses none below zero.
    if (controller.bInvulnerable)
        ++controller.reserveCounter;
    else
        lives = std::max(lives - 1, 0);
    controller.bNoBonus = true;
    const bool bFliesAgain = lives > 0 || borrowLife();
    // After the loan, so that a continued game has the partner's life gone too.
    controller.storePlayerStats();
    if (bFliesAgain) {
        setState(ENTERING);
        return;
    }
    setState(OUT);
    controller.onPlayerOut();
}

void PlayerData::explode() const {
    GameController& controller = game();
    controller.explosions->add(new Smoke(BURST, fighter->x, fighter->y, BURST_SPEED, 0.0, FULL_CIRCLE));
    controller.explosions->add(new Explosion(BURST, fighter->x, fighter->y, BURST_SPEED, 0.0, FULL_CIRCLE));
    controller.sky->verticalShake = DESTROYED_SHAKE;
    play(&GameGlobal::soundExplosion, fighter->x);
}

bool PlayerData::borrowLife() {
    const GameGlobal* root = GameGlobal::get();
    PlayerData& partner = *game().players[static_cast<std::size_t>(1 - playerIndex)];
    if (!root || !root->configuration.sharedLives || !partner.isTakingPart() || partner.lives <= 1) return false;
    // The partner's life is not added to this player's count: it flies on with none of its
    // own, so its next loss borrows again or ends its game.
    --partner.lives;
    partner.award(STR_BONUSLIFEASSIST, LIFE_ASSIST_POINTS, CYAN);
    return true;
}

void PlayerData::addToDigest(GameDigest& digest) const {
    GameObject::addToDigest(digest);
    for (const int64_t value : {int64_t{getState()}, int64_t{lives}, int64_t{score}, int64_t{food},
                                int64_t{missiles}, int64_t{kills}, int64_t{shots}, int64_t{coins},
                                int64_t{weaponIndex()}, int64_t{weapon().power}})
        digest.addInt(value);
    fighter->addToDigest(digest);
}
