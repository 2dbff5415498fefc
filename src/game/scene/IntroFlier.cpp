#include "game/scene/IntroFlier.h"
#include <algorithm>
#include "core/GameRandom.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"

VEK_REGISTER_CLASS(IntroFlier, SpriteActor, u"IntroFlier")

namespace {

constexpr double NEAR_SPEED = 2.0;   // and faster: the 80-unit picture
constexpr double NEARER_SPEED = 4.0; // and faster: the 160-unit one

SurfaceChain* chainForSpeed(const GameGlobal* game, double speed) {
    if (!game) return nullptr;
    if (speed >= NEARER_SPEED) return game->zelbinIntro160;
    if (speed >= NEAR_SPEED) return game->zelbinIntro80;
    return speed < 0.0 ? game->zelbinIntro40Left : game->zelbinIntro40;
}

} // namespace

IntroFlier::IntroFlier(double startX, double startY, double flySpeed)
    : SpriteActor(startX, startY, nullptr), speed(flySpeed),
      chain(chainForSpeed(GameGlobal::get(), flySpeed)) {
    frame = gameRandom.below(lastFrame);
    flapDirection = (gameRandom.next() & 1) ? 1 : -1;
}

void IntroFlier::flap() {
    if (frame <= firstFrame) flapDirection = 1;
    if (frame >= lastFrame) flapDirection = -1;
    frame = std::clamp(frame + flapDirection, firstFrame, lastFrame);
}

void IntroFlier::frameUpdate() {
    flap();
    if (bFastFlap) flap();
    x += speed;
    if (chain) surface = chain->getSurf(frame);
    SpriteActor::frameUpdate();
}
