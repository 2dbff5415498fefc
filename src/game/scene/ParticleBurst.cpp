#include "game/scene/ParticleBurst.h"
#include <algorithm>
#include <cmath>
#include <numbers>
#include "core/GameRandom.h"
#include "game/AngleToFrame.h"
#include "game/GameGlobal.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/scene/GameDigest.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(ParticleBurst, GameObject, u"ParticleBurst")

namespace {

constexpr double FULL_CIRCLE = 2.0 * std::numbers::pi;
constexpr int DIRECTIONS = 32;

} // namespace

ParticleBurst::ParticleBurst(SurfaceChain* GameGlobal::*frames) {
    const GameGlobal* game = GameGlobal::get();
    chain = game ? game->*frames : nullptr;
}

void ParticleBurst::spawn(int newCount, double originX, double originY, double maxSpeed, double direction,
                          double spread) {
    count = std::clamp(newCount, 0, MAXSPARCS);
    const double halfSpread = spread / 2.0;
    for (int i = 0; i < count; ++i) {
        const double offset = gameRandom.fraction() * spread - halfSpread;
        const double angle = direction + offset;
        const double speed = gameRandom.fraction() * maxSpeed;
        double life = speed;
        // Particles towards a cone's edges fade sooner. A cone without width is one jet.
        if (spread < FULL_CIRCLE && halfSpread > 0.0) life = (1.0 - std::abs(offset / halfSpread)) * speed;
        Particle& particle = particles[static_cast<std::size_t>(i)];
        particle = {originX, originY, std::cos(angle) * speed, std::sin(angle) * speed, life, 0};
        particle.angleFrame = angleToFrame(DIRECTIONS, angle);
    }
}

void ParticleBurst::frameUpdate() {
    bool bAnyAlive = false;
    for (int i = 0; i < count; ++i) {
        Particle& particle = particles[static_cast<std::size_t>(i)];
        if (!(particle.life > 0.0)) continue;
        bAnyAlive = true;
        particle.x += particle.vx;
        particle.y += particle.vy;
        drawAt(frameOf(particle), particle.x, particle.y);
        particle.life -= LIFE_STEP;
    }
    if (!bAnyAlive) markDead();
}

void ParticleBurst::drawAt(int frame, double x, double y) const {
    // A chain with fewer frames than the burst's pictures (a test's) leaves the rest undrawn.
    if (chain && frame < chain->count) chain->getSurf(frame)->setScreenPosition(x, y);
}

void ParticleBurst::addToDigest(GameDigest& digest) const {
    GameObject::addToDigest(digest);
    for (int i = 0; i < count; ++i) {
        const Particle& particle = particles[static_cast<std::size_t>(i)];
        digest.addNumber(particle.x);
        digest.addNumber(particle.y);
        digest.addNumber(particle.life);
    }
}
