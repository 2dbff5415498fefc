#include "game/scene/EngineFlame.h"
#include "core/Vek.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/scene/ContextScene.h"
#include "game/scene/Smoke.h"

VEK_REGISTER_CLASS(EngineFlame, SpriteActor, u"EngineFlame")

namespace {

constexpr int TRAIL_PUFFS = 5; // the afterburner's trail each frame

} // namespace

void EngineFlame::frameUpdate() {
    if (!bVisible) return;
    if (bAfterburner) {
        targetLevel = AFTERBURNER_LEVEL;
        trailSmoke();
    }
    if (currentLevel < targetLevel) ++currentLevel;
    if (currentLevel > targetLevel) --currentLevel;
    const GameGlobal* game = GameGlobal::get();
    if (game && game->engine) {
        const int flicker = Vek::get()->renderedFrames & 1;
        surface = game->engine->getSurf(flicker * frameStride + currentLevel);
    }
    SpriteActor::frameUpdate();
}

void EngineFlame::trailSmoke() {
    const GameGlobal* game = GameGlobal::get();
    ContextScene* scene = ContextScene::active();
    if (!game || game->configuration.detail != 1 || !scene) return;
    scene->addEffect(Smoke::exhaust(TRAIL_PUFFS, x, y));
}
