#include "game/scene/Smoke.h"
#include <algorithm>
#include <numbers>
#include "core/ErrorManager.h"
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Smoke, ParticleBurst, u"Smoke")

namespace {

constexpr int FRAMES = 20; // of "bmp_smoke", from a fresh puff to a faded one
constexpr double EXHAUST_SPEED = 3.0;
constexpr double DOWNWARDS = std::numbers::pi / 2.0;
constexpr double HALF_CIRCLE = std::numbers::pi;

} // namespace

Smoke::Smoke(int numSparcs, double x, double y, double maxSpeed, double direction, double spread)
    : ParticleBurst(&GameGlobal::smoke) {
    VEK_ASSERT(numSparcs <= MAXSPARCS);
    spawn(numSparcs, x, y, maxSpeed, direction, spread);
}

Smoke* Smoke::exhaust(int count, double x, double y) {
    return new Smoke(count, x, y, EXHAUST_SPEED, DOWNWARDS, HALF_CIRCLE);
}

int Smoke::frameOf(const Particle& particle) const {
    // A life above FULL_LIFE would ask for a frame before the first one.
    const int frame = static_cast<int>(FRAMES * (FULL_LIFE - particle.life) / FULL_LIFE);
    return std::clamp(frame, 0, FRAMES - 1);
}
