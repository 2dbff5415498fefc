#include "game/enemies/Coin.h"
#include <cmath>
#include <numbers>
#include "core/GameRandom.h"
#include "game/GameGlobal.h"
#include "game/GameSound.h"
#include "game/SurfaceChain.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Coin, Pickup, u"Coin")

namespace {

constexpr double THROW_SPEED = 10.0 * 25.0 / 30.0;
constexpr double SIDEWAYS = 0.5; // of the throw's horizontal part
constexpr double GRAVITY = 12.5 / 30.0;
constexpr double BOUNCE = 0.5;
constexpr double REST_SPEED = 0.5;
constexpr double RIGHT_WALL = 640.0;

Surface* randomFrame() {
    const SurfaceChain& frames = *GameGlobal::get()->coin;
    return frames.getSurf(gameRandom.below(frames.count));
}

} // namespace

Coin::Coin(double atX, double atY) {
    x = atX;
    y = atY;
    surface = randomFrame();
    const double direction = -(gameRandom.fraction() * std::numbers::pi);
    const double speed = gameRandom.fraction() * THROW_SPEED;
    vx = std::cos(direction) * speed * SIDEWAYS;
    vy = std::sin(direction) * speed;
}

void Coin::frameUpdate() {
    x += vx;
    y += vy;
    if (y > FLOOR) {
        if (std::abs(vy) >= REST_SPEED)
            vy = -std::abs(BOUNCE * vy);
        else
            markDead();
    } else {
        vy += GRAVITY;
    }
    if (x < 0.0) vx = std::abs(vx);
    if (x > RIGHT_WALL) vx = -std::abs(vx);
    SpriteActor::frameUpdate();
}

void Coin::collect(Fighter& fighter) {
    PlayerData& player = fighter.player();
    player.addScore(POINTS);
    player.addCoin();
    burstBubble();
    GameSound::play(&GameGlobal::soundCoinBounce, x);
    collectPickup(fighter);
}

void Coin::addToDigest(GameDigest& digest) const {
    Pickup::addToDigest(digest);
    digest.addNumber(vx);
    digest.addNumber(vy);
}
