#include <chrono>
#include "BenchGame.h"
#include "core/GameRandom.h"
#include "game/Autopilot.h"
#include "game/GameController.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Enemy.h"
#include "game/player/PlayerData.h"
#include "game/player/Weapon.h"
#include "game/scene/ObjectGroup.h"
#include "platform/ScriptedInput.h"

// A wave in play on the archives the build generates: both fighters, flown by the autopilot,
// hold fire with one weapon at full power into a field of 40 roaming zelbins that shrug the
// hits off. Frames alternate between ticking alone (every update, movement and collision,
// nothing drawn, as --no-draw runs) and whole frames drawn through the offscreen renderer;
// "tickMs" is the first per frame, "renderMs" what drawing adds. The argument is the weapon.

namespace {

constexpr int FIELD = 40;
constexpr int32_t TOUGH = 1000000000; // hit points no wave of shots wears down

/// A zelbin roaming the upper field on smooth curves, as the game's wanderers do.
class RoamingEnemy : public Enemy {
  public:
    explicit RoamingEnemy(SurfaceChain& frames) : chain(frames) {
        hitPoints = TOUGH;
        setStartPosition(gameRandom.below(620) + 10, gameRandom.below(300) + 10);
        onStepDone();
    }
    void onStepDone() override {
        mover.addMove(gameRandom.below(620) + 10, gameRandom.below(300) + 10, Mover::AUTO, Mover::AUTO, Mover::AUTO,
                      Mover::AUTO, 0);
    }
    void frameUpdate() override {
        frame = (frame + 1) % chain.count;
        surface = chain.getSurf(frame);
        mover.update();
        Enemy::frameUpdate();
    }

  private:
    SurfaceChain& chain;
    int frame = 0;
};

void BM_WaveInPlay(benchmark::State& state) {
    BenchGame bench(state, "gameplay benchmark", std::make_unique<Autopilot>(std::make_unique<platform::ScriptedInput>()));
    if (!bench.game) return;
    GameController& controller = *GameController::startAt(2, GameController::PLAYERS);
    controller.bInvulnerable = true;
    for (int index = 0; index < GameController::PLAYERS; ++index) {
        PlayerData& player = *controller.players[static_cast<std::size_t>(index)];
        player.switchWeapon(static_cast<int>(state.range(0)));
        player.weapon().power = Weapon::MAX_POWER;
    }
    VekGraphics& graphics = bench.graphics();
    // 150 frames into the wave: the fighters in place and firing.
    BenchGame::timeTickAndRender(state, 150, [&](bool bDraw) {
        while (controller.enemies->getChildren().count() < FIELD)
            controller.enemies->add(new RoamingEnemy(*bench.game->zelbin0));
        graphics.bNoDraw = !bDraw;
        const auto start = std::chrono::steady_clock::now();
        bench.engine->frame(bench.game->getRootContext());
        if (bDraw) benchmark::DoNotOptimize(graphics.getDevice().readPixels(0, 0, 1, 1));
        return BenchGame::secondsSince(start);
    });
    state.counters["shots"] = static_cast<double>(controller.playerShots->getChildren().count());
}

} // namespace

BENCHMARK(BM_WaveInPlay)->Arg(0)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
