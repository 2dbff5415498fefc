#include "game/scene/Smoke.h"
#include <algorithm>
#include "core/ErrorManager.h"
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Smoke, ParticleBurst, u"Smoke")

namespace {

constexpr int FRAMES = 20; // of "bmp_smoke", from a fresh puff to a faded one

} // namespace

Smoke::Smoke(int numSparcs, double x, double y, double maxSpeed, double direction, double spread)
    : ParticleBurst(&GameGlobal::smoke) {
    VEK_ASSERT(numSparcs <= MAXSPARCS);
    spawn(numSparcs, x, y, maxSpeed, direction, spread);
}

int Smoke::frameOf(const Particle& particle) const {
    // A life above FULL_LIFE would ask for a frame before the first one.
    const int frame = static_cast<int>(FRAMES * (FULL_LIFE - particle.life) / FULL_LIFE);
    return std::clamp(frame, 0, FRAMES - 1);
}
