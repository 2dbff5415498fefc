#include "game/bosses/ZelbinBoss.h"
#include <numbers>
#include <utility>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameSound.h"
#include "game/enemies/Fluff.h"
#include "game/enemies/ZelbinLeg.h"
#include "game/player/PlayerData.h"
#include "game/scene/Explosion.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ZelbinBoss, FlappingZelbin, u"ZelbinBoss")

namespace {

constexpr double FULL_CIRCLE = 2.0 * std::numbers::pi;
constexpr int32_t HIT_POINTS_BASE = 7500;
constexpr int32_t HIT_POINTS_PER_LEVEL = 1000;
constexpr int32_t POINTS_BASE = 10; // five thousands, plus the level
constexpr int32_t SPEED_BASE = 5;   // plus half the level
constexpr int32_t ATOM_RARITY = 6;  // one in (6 - half the level)
constexpr int32_t GIFT_CHANCE = 1;
// The random points it roams to: x from 40, y from 40, over these ranges.
constexpr int ROAM_WIDTH = 560, ROAM_HEIGHT = 240;
constexpr double ROAM_MARGIN = 40.0;
constexpr int32_t DEATH_SHAKE = 22;
constexpr int LEGS = 20;
constexpr int SMOKE_CLOUDS = 6;
constexpr int SMOKE_PUFFS = 20;
constexpr double SMOKE_SPEED = 4.0;
constexpr int SCATTER = 100; // legs and smoke land within this square around it
constexpr int SPARKS = 200;
constexpr double SPARK_SPEED = 5.0;

/// A point of the square of SCATTER around (x, y): two draws, y's first.
std::pair<double, double> scattered(double x, double y) {
    const int r1 = gameRandom.next();
    const int r2 = gameRandom.next();
    return {x + r2 % SCATTER - SCATTER / 2, y + r1 % SCATTER - SCATTER / 2};
}

} // namespace

ZelbinBoss::ZelbinBoss(double startX) : FlappingZelbin(GameGlobal::get()->zelbinBoss) {
    const int32_t system = level();
    hitPoints = system * HIT_POINTS_PER_LEVEL + HIT_POINTS_BASE;
    points = (system + POINTS_BASE) * 5000;
    mover.speed = system / 2 + SPEED_BASE;
    lootChance = {ATOM_RARITY - system / 2, GIFT_CHANCE, 0, 0, 0};
    setStartPosition(startX, START_Y);
    onStepDone();
}

void ZelbinBoss::onStepDone() {
    const int r1 = gameRandom.next();
    const int r2 = gameRandom.next();
    mover.addMove(r2 % ROAM_WIDTH + ROAM_MARGIN, r1 % ROAM_HEIGHT + ROAM_MARGIN, Mover::AUTO, Mover::AUTO,
                  Mover::AUTO, Mover::AUTO, 0);
}

void ZelbinBoss::frameUpdate() {
    flap();
    mover.update();
    if (gameRandom.next() % POD_ODDS == 0) dropPod();
    Enemy::frameUpdate();
}

void ZelbinBoss::takeDamage(int32_t amount, int killer) {
    FlappingZelbin::takeDamage(amount, killer);
    GameSound::play(&GameGlobal::soundZelbinPluck, x);
    GameController* game = GameController::running();
    if (!game) return;
    if (killer >= 0 && killer < GameController::PLAYERS)
        game->players[static_cast<std::size_t>(killer)]->addScore(HIT_POINTS);
    if (GameGlobal::get()->configuration.detail == 1) game->explosions->add(new Fluff(x, y));
}

void ZelbinBoss::die(int killer) {
    GameSound::play(&GameGlobal::soundZelbinDie, x);
    GameSound::playUnpanned(&GameGlobal::soundExplosion);
    if (GameController* game = GameController::running()) {
        game->sky->verticalShake = DEATH_SHAKE;
        for (int i = 0; i < LEGS; ++i) {
            const auto [legX, legY] = scattered(x, y);
            game->items->add(new ZelbinLeg(legX, legY));
        }
        for (int i = 0; i < SMOKE_CLOUDS; ++i) {
            const auto [smokeX, smokeY] = scattered(x, y);
            game->explosions->add(new Smoke(SMOKE_PUFFS, smokeX, smokeY, SMOKE_SPEED, 0.0, FULL_CIRCLE));
        }
        game->explosions->add(new Explosion(SPARKS, x, y, SPARK_SPEED, 0.0, FULL_CIRCLE));
    }
    Enemy::die(killer);
}
