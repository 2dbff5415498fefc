#include "game/enemies/Asteroid.h"
#include <algorithm>
#include <array>
#include <cmath>
#include "core/GameRandom.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/scene/Explosion.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Asteroid, Enemy, u"Asteroid")

namespace {

constexpr double TWO_PI = 2.0 * std::numbers::pi;
constexpr double MIN_FALL = 0.5; // a slower fall becomes 1.0, so nothing hangs in the field
constexpr int32_t ATOM_CHANCE = 25;
constexpr int32_t GIFT_CHANCE = 15;
constexpr int32_t COIN_CHANCE = 30;
constexpr int32_t COINS = 12;
constexpr int SPARKS = 50;
constexpr int32_t SPARK_SIZE_LIMIT = 16;
constexpr double SPARK_SPEED_PER_SIZE = 5.0 * 0.0625;
constexpr double PIECE_SLOWDOWN = 0.125; // pieces keep 7/8 of its speed, plus up to 1/4
constexpr double PIECE_SPREAD = 0.25;
constexpr double SMALL_TRAIL = 1.0, BIG_TRAIL = 2.0;
// Beyond these edges an asteroid moving outwards has left for good.
constexpr double LEFT = -40.0, TOP = -40.0, RIGHT = 680.0, BOTTOM = 520.0;
constexpr double WIDTH = 640.0, HEIGHT = 480.0;

// The pictures by material (rock, ice) and size (small, big).
constexpr std::array<std::array<SurfaceChain* GameGlobal::*, 2>, 2> LOOKS = {{
    {&GameGlobal::asteroidSmall, &GameGlobal::asteroidBig},
    {&GameGlobal::asteroidSmallIce, &GameGlobal::asteroidBigIce},
}};

Surface* randomLook(int32_t material, int32_t size) {
    const auto& pair = LOOKS[static_cast<std::size_t>(std::clamp(material, 0, 1))];
    const SurfaceChain& frames = *(GameGlobal::get()->*pair[size < Asteroid::BIG_SIZE ? 0 : 1]);
    return frames.getSurf(gameRandom.below(frames.count));
}

} // namespace

Asteroid::Asteroid(int32_t kind, int32_t asteroidSize, double startX, double startY, double angle,
                   double baseSpeed, double randomSpeed)
    : material(kind), size(asteroidSize),
      speed(SPEED_SCALE * (baseSpeed + gameRandom.fraction() * randomSpeed)),
      vx(std::cos(angle) * speed), vy(std::sin(angle) * speed), look(randomLook(kind, asteroidSize)) {
    if (std::abs(vy) < MIN_FALL) vy = 1.0;
    hitPoints = size * 100;
    points = static_cast<int32_t>(speed) * 100;
    lootChance = {ATOM_CHANCE, GIFT_CHANCE, 0, COIN_CHANCE, 0};
    lootCount[LOOT_COIN] = COINS;
    x = startX;
    y = startY;
    surface = look;
}

void Asteroid::frameUpdate() {
    reboundOrLeave();
    x += vx;
    y += vy;
    trailSmoke();
    surface = look;
    SpriteActor::frameUpdate();
}

void Asteroid::reboundOrLeave() {
    if (bBounce) {
        if (x < 0.0) vx = std::abs(vx);
        if (x > WIDTH) vx = -std::abs(vx);
        if (y < 0.0) vy = std::abs(vy);
        if (y > HEIGHT) vy = -std::abs(vy);
    } else if ((y > BOTTOM && vy > 0.0) || (y < TOP && vy < 0.0) || (x < LEFT && vx < 0.0) ||
               (x > RIGHT && vx > 0.0)) {
        markDead();
    }
}

void Asteroid::trailSmoke() const {
    GameController* game = GameController::running();
    if (!game || GameGlobal::get()->configuration.detail != 1 || !isOnScreenX() || !isOnScreenY()) return;
    game->smoke->add(new Smoke(1, x, y, size < BIG_SIZE ? SMALL_TRAIL : BIG_TRAIL, 0.0, TWO_PI));
}

void Asteroid::die(int killer) {
    GameSound::play(&GameGlobal::soundSmallBoom, x);
    GameController* game = GameController::running();
    if (game) {
        const double sparkSpeed = std::min(size + 4, SPARK_SIZE_LIMIT) * SPARK_SPEED_PER_SIZE;
        game->explosions->add(new Explosion(SPARKS, x, y, sparkSpeed, 0.0, TWO_PI));
        if (size > splitStep && pieces > 0) splitApart();
    }
    Enemy::die(killer);
}

void Asteroid::splitApart() const {
    GameController& game = *GameController::running();
    const double heading = std::atan2(vy, vx);
    for (int32_t i = 0; i < pieces; ++i) {
        double angle = std::fmod(heading + gameRandom.fraction() * spread - spread * 0.5, TWO_PI);
        if (angle < 0.0) angle += TWO_PI;
        auto* piece = new Asteroid(material, size - splitStep, x, y, angle, speed - speed * PIECE_SLOWDOWN,
                                   speed * PIECE_SPREAD);
        piece->bBounce = bBounce;
        piece->pieces = pieces;
        piece->splitStep = splitStep;
        piece->spread = spread;
        game.enemies->add(piece);
    }
}

void Asteroid::addToDigest(GameDigest& digest) const {
    Enemy::addToDigest(digest);
    digest.addNumber(vx);
    digest.addNumber(vy);
    digest.addInt(size);
}
