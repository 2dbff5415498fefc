#include "game/scene/Explosion.h"
#include <algorithm>
#include "core/ErrorManager.h"
#include "game/GameGlobal.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Explosion, ParticleBurst, u"Explosion")

namespace {

constexpr int ROWS = 4;        // of "bmp_sparc", from white-hot to dark red
constexpr int DIRECTIONS = 32; // frames per row

} // namespace

Explosion::Explosion(int numSparcs, double x, double y, double _maxSpeed, double direction, double spread)
    : ParticleBurst(&GameGlobal::sparc) {
    VEK_ASSERT(numSparcs <= MAXSPARCS);
    VEK_ASSERT(_maxSpeed <= MAXSPEED);
    spawn(numSparcs, x, y, _maxSpeed, direction, spread);
}

int Explosion::frameOf(const Particle& particle) const {
    const int row = std::clamp(static_cast<int>(ROWS * (FULL_LIFE - particle.life) / FULL_LIFE), 0, ROWS - 1);
    return row * DIRECTIONS + particle.angleFrame;
}
