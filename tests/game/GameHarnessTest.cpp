#include "GameHarness.h"
#include <algorithm>
#include <numbers>
#include "core/Language.h"
#include "game/Autopilot.h"
#include "game/GameController.h"
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

constexpr int GAME_FRAMES = 900; // the system's captions, wave 1's and wave 2's

/// The digest after every frame of a two-player game from wave 1, invulnerable and flown by
/// the autopilot, in the language of row `language`; the last wave it reached.
std::pair<std::vector<std::string>, int> digestsOfGameIn(int language) {
    GameHarnessOptions options;
    options.seed = 7;
    options.language = language;
    options.createInput = [](platform::PlatformWindow&) {
        return std::make_unique<Autopilot>(std::make_unique<platform::ScriptedInput>());
    };
    GameHarness harness(options);
    EXPECT_EQ(Vek::get()->getLanguage().getCurrentLanguage(), language);
    GameController& game = *GameController::startAt(1, 2);
    game.bInvulnerable = true;
    std::vector<std::string> digests;
    for (int frame = 0; frame < GAME_FRAMES; ++frame) {
        harness.step();
        digests.push_back(harness.digest());
    }
    return {digests, game.wave};
}

} // namespace

TEST(GameHarness, SameSeedAndInputGiveTheSameDigestAnotherSeedOrInputAnother) {
    const std::string digest = digestOfRun(7, {3, 20});
    EXPECT_EQ(digestOfRun(7, {3, 20}), digest);
    EXPECT_NE(digestOfRun(8, {3, 20}), digest);
    EXPECT_NE(digestOfRun(7, {3}), digest);
}

TEST(GameHarness, TheSameGameGivesTheSameDigestsInEveryLanguage) {
    const auto [english, lastWave] = digestsOfGameIn(0);
    ASSERT_GE(lastWave, 2) << "the run must reach the captions of a wave";
    for (int language = 1; language < LANGUAGE_COUNT; ++language) {
        const auto [digests, wave] = digestsOfGameIn(language);
        const auto alike =
            std::mismatch(english.begin(), english.end(), digests.begin(), digests.end()).first;
        EXPECT_EQ(alike, english.end())
            << "language " << language << " differs from English from frame " << (alike - english.begin());
        EXPECT_EQ(wave, lastWave) << "language " << language;
    }
}

#endif
