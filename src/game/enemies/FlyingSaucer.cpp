#include "game/enemies/FlyingSaucer.h"
#include <numbers>
#include "core/Vek.h"
#include "game/GameController.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/enemies/ZigzagBolt.h"
#include "game/scene/Explosion.h"
#include "game/scene/ObjectGroup.h"
#include "media/SoundChannel.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(FlyingSaucer, Enemy, u"FlyingSaucer")

namespace {

constexpr int32_t HIT_POINTS = 100;
constexpr int32_t POINTS = 1000;
constexpr int32_t ATOM_CHANCE = 2; // one in two; else a gift
constexpr int32_t GIFT_CHANCE = 1;
constexpr int32_t SPEED_BASE = 5; // (level + 5) * 25 / 30 units per frame
constexpr int SPARKS = 50;
constexpr double SPARK_SPEED = 2.5;
constexpr double DOWN = std::numbers::pi / 2.0;

double flightSpeed() {
    return (Enemy::level() + SPEED_BASE) * 25 / 30;
}

} // namespace

FlyingSaucer::FlyingSaucer(double startX, double startY)
    : flapping(Flapping::random(GameGlobal::get()->flyingsaucer->count)) {
    hitPoints = HIT_POINTS;
    points = POINTS;
    lootChance[LOOT_ATOM] = ATOM_CHANCE;
    lootChance[LOOT_GIFTBOX] = GIFT_CHANCE;
    x = startX;
    y = startY;
    surface = GameGlobal::get()->flyingsaucer->getSurf(flapping.frame);
    if (const GameSound* hum = GameGlobal::get()->soundSaucerEngine) {
        motor = std::make_unique<SoundChannel>(*hum->sound);
        motor->setPan(-1.0f, 0.0);
        motor->play();
    }
}

FlyingSaucer::~FlyingSaucer() {
    if (motor) motor->stop();
}

void FlyingSaucer::frameUpdate() {
    x += flightSpeed();
    if (x > GONE_X) markDead();
    surface = GameGlobal::get()->flyingsaucer->getSurf(flapping.step());
    if (motor) motor->setPan(static_cast<float>(x / 640.0 * 2.0 - 1.0), 0.0);
    fireOnBeat();
    SpriteActor::frameUpdate();
}

void FlyingSaucer::fireOnBeat() {
    GameController* game = GameController::running();
    if (!game || Vek::get()->renderedFrames % (BEAT - level()) != 0) return;
    GameSound::play(&GameGlobal::soundLaserLow, x);
    game->enemyShots->add(new ZigzagBolt(x, y, DOWN, BOLT_SPEED + level()));
}

void FlyingSaucer::die(int killer) {
    GameSound::play(&GameGlobal::soundExplosionMedium, x);
    if (GameController* game = GameController::running())
        game->explosions->add(new Explosion(SPARKS, x, y, SPARK_SPEED, 0.0, 2.0 * std::numbers::pi));
    Enemy::die(killer);
}
