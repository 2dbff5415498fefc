#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numbers>
#include <unistd.h>
#include "BenchScreen.h"
#include "core/GameRandom.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/GameGlobal.h"
#include "game/Loader.h"
#include "game/SurfaceChain.h"
#include "game/scene/ContextScene.h"
#include "game/scene/Explosion.h"
#include "game/scene/Mover.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/Smoke.h"
#include "game/scene/SpriteActor.h"
#include "media/VekMedia.h"
#include "menus/GameMenuScreens.h"

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

double secondsOf(const std::chrono::steady_clock::duration& d) {
    return std::chrono::duration<double>(d).count();
}

void BM_BusyField(benchmark::State& state) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char pattern[] = "/tmp/vek-bench-XXXXXX";
    const std::filesystem::path folder = mkdtemp(pattern);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    const auto window = openBenchWindow(state, "scene benchmark");
    if (!window) return;
    Vek::Options options;
    options.bFixedStep = true;
    options.seed = 1;
    options.createMedia = [&window] {
        VekMedia::Options media;
        media.bSilent = true;
        return std::make_unique<VekMedia>(*window, std::move(media));
    };
    auto engine = std::make_unique<Vek>(std::move(options));
    auto game = std::make_unique<GameGlobal>(std::make_unique<GameMenuScreens>(), fromUtf8(SHIPPED_ARCHIVE));
    game->initPreLoader();
    auto* loader = static_cast<Loader*>(game->contextManager->getChildren().getHead());
    while (loader->step < Loader::STEP_COUNT)
        engine->frame(game->getRootContext());
    VekGraphics& graphics = VekMedia::get()->getGraphics();
    BusyField field(*game);
    const auto frame = [&](bool bDraw) {
        graphics.bNoDraw = !bDraw;
        const auto start = std::chrono::steady_clock::now();
        graphics.beginScene();
        field.tickContext(engine->globalClock, engine->tickStep);
        field.renderContext();
        graphics.endScene();
        if (bDraw) presentFinishedFrame(graphics);
        return secondsOf(std::chrono::steady_clock::now() - start);
    };
    for (int i = 0; i < 60; ++i)
        frame(false); // into the steady state of bursts
    double tickSeconds = 0.0, drawnSeconds = 0.0;
    for (auto _ : state) {
        tickSeconds += frame(false);
        const double drawn = frame(true);
        drawnSeconds += drawn;
        state.SetIterationTime(drawn);
    }
    const auto frames = static_cast<double>(state.iterations());
    state.counters["tickMs"] = tickSeconds / frames * 1000.0;
    state.counters["renderMs"] = (drawnSeconds - tickSeconds) / frames * 1000.0;
    game.reset();
    engine.reset();
    std::filesystem::remove_all(folder);
}

} // namespace

BENCHMARK(BM_BusyField)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
