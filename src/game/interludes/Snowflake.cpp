#include "game/interludes/Snowflake.h"
#include <cmath>
#include <numbers>
#include "core/GameRandom.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"

VEK_REGISTER_CLASS(Snowflake, SpriteActor, u"Snowflake")

namespace {

constexpr int SCREEN_WIDTH = 640;
constexpr int SCREEN_HEIGHT = 480;
constexpr double BOTTOM = 485.0;     // a flake below this starts again at the top
constexpr double PHASE_STEP = 0.1;   // radians per frame
constexpr double SWAY_PER_KIND = 4.0; // sway amplitude: this times (kind + 1) units

} // namespace

Snowflake::Snowflake(int32_t flakeKind) : kind(flakeKind) {
    baseX = gameRandom.below(SCREEN_WIDTH);
    y = gameRandom.below(SCREEN_HEIGHT);
    phase = gameRandom.fraction() * 2.0 * std::numbers::pi;
    fallSpeed = gameRandom.fraction() + 2.0 * kind + 1.0;
    const int frame = kind * FRAMES_PER_KIND + gameRandom.below(FRAMES_PER_KIND);
    if (const GameGlobal* game = GameGlobal::get(); game && game->snowflake) surface = game->snowflake->getSurf(frame);
    x = baseX;
}

ObjectGroup* Snowflake::createSnowfall() {
    auto* group = new ObjectGroup();
    for (int i = 0; i < SNOWFALL; ++i)
        group->add(new Snowflake(gameRandom.below(KINDS)));
    return group;
}

void Snowflake::frameUpdate() {
    const GameGlobal* game = GameGlobal::get();
    const double left = game ? game->cameraX : 0.0;
    while (baseX < left) baseX += SCREEN_WIDTH;
    while (baseX >= left + SCREEN_WIDTH) baseX -= SCREEN_WIDTH;
    y += fallSpeed;
    x = baseX + std::sin(phase) * SWAY_PER_KIND * (kind + 1);
    phase += PHASE_STEP;
    SpriteActor::frameUpdate();
    if (y > BOTTOM) y -= BOTTOM;
}

void Snowflake::addToDigest(GameDigest& digest) const {
    SpriteActor::addToDigest(digest);
    digest.addNumber(phase);
}
