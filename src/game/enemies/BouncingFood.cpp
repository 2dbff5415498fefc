#include "game/enemies/BouncingFood.h"
#include <cmath>
#include <numbers>
#include "core/GameRandom.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(BouncingFood, Pickup, u"BouncingFood")

namespace {

constexpr double THROW_SPEED = 10.0 * 25.0 / 30.0;
constexpr double BOUNCE = 0.5; // of the landing speed

} // namespace

BouncingFood::BouncingFood(double atX, double atY, Surface* frame, double fallGravity) : gravity(fallGravity) {
    x = atX;
    y = atY;
    surface = frame;
    const double direction = gameRandom.fraction() * 2.0 * std::numbers::pi;
    const double speed = gameRandom.fraction() * THROW_SPEED;
    vx = std::cos(direction) * speed;
    vy = std::sin(direction) * speed;
}

bool BouncingFood::fly() {
    if (restTimer > 0 && --restTimer == 0) markDead();
    x += vx;
    y += vy;
    if (y < FLOOR) {
        vy += gravity;
        return false;
    }
    if (std::abs(vy) >= REST_SPEED) {
        vy = -std::abs(BOUNCE * vy);
        return false;
    }
    vx = vy = 0.0;
    if (restTimer == 0 && !isDead()) restTimer = gameRandom.below(REST_SPREAD) + REST_MIN;
    return true;
}

void BouncingFood::addToDigest(GameDigest& digest) const {
    Pickup::addToDigest(digest);
    digest.addNumber(vx);
    digest.addNumber(vy);
    digest.addInt(restTimer);
}
