#include "GameHarness.h"
#include <algorithm>
#include <numbers>
#include "game/GameInput.h"
#include "game/scene/ContextScene.h"
#include "game/scene/Explosion.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/Smoke.h"
#include "media/VekInput.h"

#ifdef VEK_ASSETS_DIR

namespace {

constexpr int KEY_SPACE = 0x39;

/// A field that bursts on its timeline and puffs smoke whenever space is pressed.
struct BurstingScene : ContextScene {
    BurstingScene() {
        adopt(bursts);
        setEffectList(bursts);
    }
    void renderScene() override {
        if (crossedTime(0.5)) bursts->add(new Explosion(200, 320, 240, 4.0, 0, 2 * std::numbers::pi));
        if (GameInput::getInput()->isKeyPressed(KEY_SPACE)) addEffect(new Smoke(30, 100, 100, 2.0, 0, 3.0));
        frameUpdateOwned();
    }
    ObjectGroup* bursts = new ObjectGroup;
};

/// The digest after 40 frames of a bursting scene as the running game, space pressed as listed.
std::string digestOfRun(uint32_t seed, std::vector<int> spaceFrames = {}) {
    GameHarnessOptions options;
    options.seed = seed;
    GameHarness harness(options);
    auto* scene = new BurstingScene;
    scene->deleteWhenClosed = true;
    harness.stack().addContext(scene);
    harness.game().setGameController(scene);
    harness.setScript([&](int frame, platform::InputSnapshot& input) {
        input.keys[KEY_SPACE] = std::find(spaceFrames.begin(), spaceFrames.end(), frame) != spaceFrames.end();
    });
    harness.step(40);
    EXPECT_EQ(harness.stack().getTopContext(), scene);
    const std::string digest = harness.digest();
    scene->closed = true;
    harness.step();
    EXPECT_EQ(harness.game().getGameController(), nullptr); // the stack deleted it
    return digest;
}

} // namespace

TEST(GameHarness, SameSeedAndInputGiveTheSameDigestAnotherSeedOrInputAnother) {
    const std::string digest = digestOfRun(7, {3, 20});
    EXPECT_EQ(digestOfRun(7, {3, 20}), digest);
    EXPECT_NE(digestOfRun(8, {3, 20}), digest);
    EXPECT_NE(digestOfRun(7, {3}), digest);
}

#endif
