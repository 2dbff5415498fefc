#include "game/bosses/MotherPod.h"
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include "core/GameRandom.h"
#include "core/Vek.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Atom.h"
#include "game/enemies/Zelbin.h"
#include "game/enemies/ZelbinColours.h"
#include "game/enemies/ZigzagBolt.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/scene/Explosion.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(MotherPod, Enemy, u"MotherPod")

namespace {

constexpr double PI = std::numbers::pi;
constexpr double FULL_CIRCLE = 2.0 * PI;
constexpr int32_t POINTS = 250000;
constexpr double SPEED = 2.0;                       // every move takes as long, whatever its length
constexpr double START_X = 320.0, START_Y = -100.0; // also where it leaves to
constexpr double HOLD_X = 320.0, HOLD_Y = 200.0;
// The random points it roams to after its last crack: x from 50, y from 50, over these ranges.
constexpr int ROAM_WIDTH = 540, ROAM_HEIGHT = 400;
constexpr double ROAM_MARGIN = 50.0;
constexpr int32_t PUSH_PER_CRACK = 2; // units up per hit, per crack stage

// Bolts per ring by crack stage; 0: aimed bursts instead.
constexpr std::array<int, MotherPod::LAST_CRACK + 1> RING_BOLTS = {4, 4, 8, 8, 16, 0, 0};
constexpr int RING_BEAT = 50;  // frames between rings
constexpr int BURST_BEAT = 25; // bursts fire during every other run of this many frames
constexpr int BURST_SPACING = 4;
constexpr double RING_BOLT_SPEED = 5.0;
constexpr double AIMED_BOLT_SPEED = 10.0;

/// A ring of zelbins let out at a crack: `count` angles from `firstAngle` apart by
/// `angleStep`; each zelbin enters at (cos a * ENTRY_RADIUS + 320, entryY) and holds
/// (cos a * radiusX + 320, sin a * radiusY + centreY).
struct ZelbinRing {
    double firstAngle;
    double angleStep;
    int count;
    double entryY;
    double radiusX, radiusY;
    double centreY;
};
constexpr double ENTRY_RADIUS = 400.0;
constexpr double RING_HOLD = 10000.0; // seconds: the ring zelbins keep their places
// Outermost first: a crack lets out the last `RINGS_AT_CRACK` of them, in this order.
constexpr std::array<ZelbinRing, 3> RINGS = {{
    {PI / 8.0, PI / 8.0, 7, -240.0, 300.0, 100.0, 0.0},
    {0.0, PI / 8.0, 9, -60.0, 150.0, 150.0, 200.0},
    {0.0, PI / 4.0, 5, -60.0, 100.0, 100.0, 200.0},
}};
constexpr std::array<int, MotherPod::LAST_CRACK + 1> RINGS_AT_CRACK = {0, 1, 0, 2, 0, 3, 0};
constexpr int32_t RING_POD_INTERVAL = 500; // divided by half the level plus one

/// Systems whose pod leaves once its crack stage passes `lastCrack`.
struct EarlyDeparture {
    int32_t system;
    int32_t lastCrack;
};
constexpr std::array<EarlyDeparture, 2> EARLY_DEPARTURES = {{{3, 1}, {6, 3}}};

constexpr int32_t DEATH_SHAKE = 32;
constexpr int SMOKE_CLOUDS = 5;
constexpr int SMOKE_PUFFS = 100;
constexpr double SMOKE_SPEED = 4.0;
constexpr int SCATTER = 150; // the smoke rises within this square around it
constexpr int DEATH_SPARKS = 250;
constexpr int CRACK_SPARKS = 200;
constexpr double SPARK_SPEED = 5.0;

/// `count` times `each`, at most the largest score step (a saved game's counters are bounded,
/// a game's need not be).
int32_t timesClamped(int32_t count, int32_t each) {
    return static_cast<int32_t>(
        std::clamp<int64_t>(int64_t{count} * each, 0, std::numeric_limits<int32_t>::max()));
}

} // namespace

MotherPod::MotherPod() {
    hitPoints = HIT_POINTS;
    points = POINTS;
    mover.speed = SPEED;
    mover.bLengthMode = false;
    setStartPosition(START_X, START_Y);
    surface = GameGlobal::get()->motherPod->getSurf(0);
    setState(DESCENDING);
    GameSound::playUnpanned(&GameGlobal::soundSuspense);
}

void MotherPod::onStateChange() {
    if (getState() == DESCENDING) mover.addMove(HOLD_X, HOLD_Y, Mover::AUTO, Mover::AUTO, 0.0, 0.0, 0);
    if (getState() == LEAVING) {
        bInvulnerable = true;
        mover.addMove(START_X, START_Y, Mover::AUTO, Mover::AUTO, 0.0, 0.0, 0);
    }
}

void MotherPod::onStepDone() {
    if (getState() == DESCENDING)
        setState(HOLDING);
    else if (getState() == HOLDING)
        roam();
    else if (getState() == LEAVING)
        markDead();
}

void MotherPod::roam() {
    const int r1 = gameRandom.next();
    const int r2 = gameRandom.next();
    mover.addMove(r2 % ROAM_WIDTH + ROAM_MARGIN, r1 % ROAM_HEIGHT + ROAM_MARGIN, Mover::AUTO, Mover::AUTO,
                  0.0, 0.0, 0);
}

void MotherPod::frameUpdate() {
    mover.update();
    const int32_t frame = Vek::get()->renderedFrames;
    const int bolts = RING_BOLTS[static_cast<std::size_t>(crackStage)];
    if (bolts > 0 && frame % RING_BEAT == 0) {
        fireRing(bolts);
        GameSound::playUnpanned(&GameGlobal::soundLaserLow);
    }
    if (bolts == 0 && (frame / BURST_BEAT) % 2 == 0 && frame % BURST_SPACING == 0) {
        fireAimed();
        GameSound::playUnpanned(&GameGlobal::soundLaserLow);
    }
    Enemy::frameUpdate();
}

void MotherPod::fireRing(int bolts) const {
    GameController* game = GameController::running();
    if (!game) return;
    const double first = gameRandom.fraction() * FULL_CIRCLE;
    for (int i = 0; i < bolts; ++i)
        game->enemyShots->add(new ZigzagBolt(x, y, first + i * FULL_CIRCLE / bolts, RING_BOLT_SPEED));
}

void MotherPod::fireAimed() const {
    GameController* game = GameController::running();
    const int target = game ? game->pickPlayer() : -1;
    if (target < 0) return;
    const Fighter& fighter = *game->players[static_cast<std::size_t>(target)]->fighter;
    game->enemyShots->add(new ZigzagBolt(x, y, std::atan2(fighter.y - y, fighter.x - x), AIMED_BOLT_SPEED));
}

void MotherPod::takeDamage(int32_t amount, int killer) {
    if (!bInvulnerable) y -= crackStage * PUSH_PER_CRACK;
    GameController* game = GameController::running();
    if (game && killer >= 0 && killer < GameController::PLAYERS)
        game->players[static_cast<std::size_t>(killer)]->addScore(HIT_REWARD);
    // The refill comes before the damage: one hit cracks the pod once, however hard. A pod
    // on its way out takes no damage, so no hit can crack it.
    if (!bInvulnerable && hitPoints - amount <= 0 && crackStage < LAST_CRACK) {
        crack();
        if (isLeavingNow() && getState() != LEAVING) setState(LEAVING);
    }
    Enemy::takeDamage(amount, killer);
}

void MotherPod::crack() {
    hitPoints += (crackStage + 2) * REFILL_STEP;
    ++crackStage;
    GameController* game = GameController::running();
    if (game) game->items->add(new Atom(false, x, y));
    if (crackStage < LAST_CRACK) GameSound::playUnpanned(&GameGlobal::soundCrack);
    surface = GameGlobal::get()->motherPod->getSurf(crackStage);
    releaseRings();
    if (crackStage < LAST_CRACK) return;
    if (game) game->explosions->add(new Explosion(CRACK_SPARKS, x, y, SPARK_SPEED, 0.0, FULL_CIRCLE));
    GameSound::playUnpanned(&GameGlobal::soundExplosionMedium);
    roam();
}

void MotherPod::releaseRings() const {
    GameController* game = GameController::running();
    if (!game) return;
    const int32_t system = level();
    const int rings = RINGS_AT_CRACK[static_cast<std::size_t>(crackStage)];
    for (auto ring = RINGS.end() - rings; ring != RINGS.end(); ++ring)
        for (int i = 0; i < ring->count; ++i) {
            const double angle = ring->firstAngle + i * ring->angleStep;
            auto* zelbin = new Zelbin(randomZelbinColour(system), std::cos(angle) * ENTRY_RADIUS + 320.0,
                                      ring->entryY, 0.0);
            zelbin->podInterval = RING_POD_INTERVAL / (system / 2 + 1);
            zelbin->mover.addMove(std::cos(angle) * ring->radiusX + 320.0,
                                  std::sin(angle) * ring->radiusY + ring->centreY, Mover::AUTO, Mover::AUTO,
                                  0.0, 0.0, 0);
            zelbin->mover.addWait(RING_HOLD);
            game->enemies->add(zelbin);
        }
}

bool MotherPod::isLeavingNow() const {
    const int32_t system = level();
    return std::any_of(EARLY_DEPARTURES.begin(), EARLY_DEPARTURES.end(),
                       [&](const EarlyDeparture& departure) {
                           return departure.system == system && crackStage > departure.lastCrack;
                       });
}

void MotherPod::die(int killer) {
    GameSound::playUnpanned(&GameGlobal::soundExplosion);
    if (GameController* game = GameController::running()) {
        game->sky->verticalShake = DEATH_SHAKE;
        if (!game->bNoBonus) payLivesAndMissiles();
        for (int i = 0; i < SMOKE_CLOUDS; ++i) {
            const int r1 = gameRandom.next();
            const int r2 = gameRandom.next();
            game->explosions->add(new Smoke(SMOKE_PUFFS, x + r2 % SCATTER - SCATTER / 2,
                                            y + r1 % SCATTER - SCATTER / 2, SMOKE_SPEED, 0.0, FULL_CIRCLE));
        }
        game->explosions->add(new Explosion(DEATH_SPARKS, x, y, SPARK_SPEED, 0.0, FULL_CIRCLE));
    }
    Enemy::die(killer);
}

void MotherPod::payLivesAndMissiles() const {
    for (PlayerData* player : GameController::running()->players)
        if (player->isTakingPart()) {
            player->addScore(timesClamped(player->lives, LIFE_BONUS));
            player->addScore(timesClamped(player->missiles, MISSILE_BONUS));
        }
}

void MotherPod::addToDigest(GameDigest& digest) const {
    Enemy::addToDigest(digest);
    digest.addInt(crackStage);
}
