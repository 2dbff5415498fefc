#include <benchmark/benchmark.h>
#include <chrono>
#include <numbers>
#include "BenchGame.h"
#include "core/GameRandom.h"
#include "game/GameGlobal.h"
#include "game/SurfaceChain.h"
#include "game/scene/ContextScene.h"
#include "game/scene/Explosion.h"
#include "game/scene/Mover.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/Smoke.h"
#include "game/scene/SpriteActor.h"

// A busy playing field on the archives the build generates: 250 flapping zelbins roaming on
// Bezier paths and 20 explosions of 250 sparks, each with 250 puffs of smoke, a burst started
// anew wherever one has burnt out. Frames alternate between ticking alone (every update and
// movement, nothing drawn, as --no-draw runs) and ticking with drawing through the offscreen
// renderer; "tickMs" is the first per frame, "renderMs" what drawing adds.

namespace {

constexpr int ACTORS = 250;
constexpr int BURSTS = 20;
constexpr double FULL_CIRCLE = 2.0 * std::numbers::pi;

/// Roams the field: a new point whenever the last one is reached, on a smooth curve.
class Roamer : public Mover {
  public:
    void onStepDone() override {
        addMove(gameRandom.below(620) + 10, gameRandom.below(300) + 10, AUTO, AUTO, AUTO, AUTO, 0);
    }
};

class RoamingZelbin : public SpriteActor {
  public:
    explicit RoamingZelbin(SurfaceChain& frames) : chain(frames) {
        path.setPosition(gameRandom.below(640), gameRandom.below(480));
        path.onStepDone();
    }
    void frameUpdate() override {
        frame = (frame + 1) % chain.count;
        surface = chain.getSurf(frame);
        path.update();
        x = (x + path.x) * 0.5;
        y = (y + path.y) * 0.5;
        SpriteActor::frameUpdate();
    }

  private:
    SurfaceChain& chain;
    Roamer path;
    int frame = 0;
};

class BusyField : public ContextScene {
  public:
    explicit BusyField(GameGlobal& game) {
        adopt(actors);
        adopt(bursts);
        for (int i = 0; i < ACTORS; ++i)
            actors->add(new RoamingZelbin(*game.zelbin0));
    }
    void renderScene() override {
        for (std::size_t n = bursts->getChildren().count(); n < 2 * BURSTS; n += 2) {
            const double x = gameRandom.below(640), y = gameRandom.below(480);
            bursts->add(new Explosion(Explosion::MAXSPARCS, x, y, Explosion::MAXSPEED, 0, FULL_CIRCLE));
            bursts->add(new Smoke(Smoke::MAXSPARCS, x, y, 3.0, 0, FULL_CIRCLE));
        }
        frameUpdateOwned();
    }

  private:
    ObjectGroup* actors = new ObjectGroup;
    ObjectGroup* bursts = new ObjectGroup;
};

void BM_BusyField(benchmark::State& state) {
    BenchGame bench(state, "scene benchmark");
    if (!bench.game) return;
    VekGraphics& graphics = bench.graphics();
    BusyField field(*bench.game);
    BenchGame::timeTickAndRender(state, 60, [&](bool bDraw) { // 60 frames into the steady state of bursts
        graphics.bNoDraw = !bDraw;
        const auto start = std::chrono::steady_clock::now();
        graphics.beginScene();
        field.tickContext(bench.engine->globalClock, bench.engine->tickStep);
        field.renderContext();
        graphics.endScene();
        if (bDraw) presentFinishedFrame(graphics);
        return BenchGame::secondsSince(start);
    });
}

} // namespace

BENCHMARK(BM_BusyField)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
