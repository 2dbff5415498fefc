#include <array>
#include "PlaySupport.h"
#include "game/hud/FloatingMessage.h"
#include "game/hud/Hud.h"

#ifdef VEK_ASSETS_DIR

TEST(PlayerData, EachPassedThresholdGivesOneLifeWhoseBonusScoresAgainOneByOneAndAStepBelowOneGivesNone) {
    struct Case {
        const char* what;
        int32_t score, threshold, step, points;
        int32_t wantScore, wantLives, wantThreshold;
    };
    const Case cases[] = {
        {"one threshold", 999990, 1000000, 1000000, 20, 1050010, 6, 2000000},
        {"below the threshold", 0, 1000000, 1000000, 999999, 999999, 5, 1000000},
        {"step 0", 999990, 1000000, 0, 20, 1000010, 5, 1000000},
        {"negative step", 999990, 1000000, -5, 20, 1000010, 5, 1000000},
        {"top of the range", 2147483000, 2147000000, 1000000, 1000, 2147483647, 6, 2147483647},
        {"three thresholds", 3500000, 1000000, 1000000, 0, 3650000, 8, 4000000},
        {"two thousand thresholds", 2000000000, 1000000, 1000000, 0, 2105250000, 2110, 2106000000},
        {"step 1, threshold far below", 113300, 0, 1, 100, 163400, 6, 1},
        {"step of the bonus itself", 0, 0, 50000, 0, 50000, 6, 50000},
    };
    for (const Case& c : cases) {
        PlayHarness harness;
        PlayerData& player = harness.player();
        player.score = c.score;
        player.extraLifeThreshold = c.threshold;
        player.extraLifeStep = c.step;
        const std::size_t queued = harness.queued();
        player.addScore(c.points);
        EXPECT_EQ(player.score, c.wantScore) << c.what;
        EXPECT_EQ(player.lives, c.wantLives) << c.what;
        EXPECT_EQ(player.extraLifeThreshold, c.wantThreshold) << c.what;
        EXPECT_EQ(harness.queued() - queued, static_cast<std::size_t>(c.wantLives - 5)) << c.what << ": a bonus a life";
    }
}

TEST(PlayerData, ThreeKillsWithinASecondPayAMultiKillOnceTheSecondIsOver) {
    for (const auto& [kills, wantPoints] : {std::pair{2, 0}, {3, 300}, {4, 400}}) {
        PlayHarness harness;
        harness.addEnemy(600, 50); // the wave goes on
        harness.untilPlaying();
        harness.controller.waveStartTime = GameController::EARLY_BIRD_TAKEN;
        for (int i = 0; i < kills; ++i) {
            harness.player().onEnemyKilled();
            harness.step(10);
        }
        const int32_t before = harness.player().score;
        harness.step(20);
        EXPECT_EQ(harness.player().score - before, wantPoints) << kills;
    }
}

TEST(PlayerData, TheFirstKillOfAWaveIsAnEarlyBirdWithinThreeSeconds) {
    PlayHarness harness(12);
    harness.untilPlaying();
    harness.controller.waveStartTime = harness.controller.sceneClock - 2.9;
    harness.player().onEnemyKilled();
    harness.player().onEnemyKilled();
    EXPECT_EQ(harness.player().score, 13000) << "(system 1 + 12) x 1000, once";
}

TEST(PlayerData, ALostFighterCostsALifeAndPowerByTheTable) {
    const std::pair<int32_t, int32_t> powers[] = {{12, 7}, {6, 3}, {1, 0}, {0, 0}, {20, 15}, {9, 4}};
    PlayHarness harness;
    PlayerData& player = harness.player();
    player.lives = 10;
    for (const auto& [before, after] : powers) {
        harness.untilPlaying();
        const int32_t lives = player.lives;
        player.weapon().power = before;
        player.destroyed();
        player.destroyed(); // ignored: no longer playing
        EXPECT_EQ(player.weapon().power, after) << before;
        EXPECT_EQ(player.lives, lives - 1);
        EXPECT_EQ(player.getState(), PlayerData::ENTERING);
    }
    harness.controller.bInvulnerable = true;
    harness.untilPlaying();
    player.destroyed();
    EXPECT_EQ(player.lives, 4) << "invulnerable: the lives stay";
}

TEST(PlayerData, FoodMakesMissilesAndCoinsATreasure) {
    struct Case {
        std::vector<int32_t> food;
        int32_t wantFood, wantMissiles;
    };
    const Case cases[] = {{{30}, 0, 1}, {{24}, 24, 0}, {{24, 1}, 0, 1}, {{10, 10, 10, 25}, 0, 2}};
    for (const Case& c : cases) {
        PlayHarness harness;
        for (int32_t amount : c.food) harness.player().addFood(amount);
        EXPECT_EQ(harness.player().food, c.wantFood);
        EXPECT_EQ(harness.player().missiles, c.wantMissiles);
    }
    PlayHarness harness;
    for (int i = 0; i < 100; ++i) harness.player().addCoin();
    EXPECT_EQ(harness.player().coins, 0);
    EXPECT_EQ(harness.player().score, 75000);
}

TEST(PlayerData, TheSameWeaponAgainGainsPowerAnotherKeepsIt) {
    PlayHarness harness;
    PlayerData& player = harness.player();
    player.switchWeapon(0);
    player.switchWeapon(2);
    EXPECT_EQ(player.weaponIndex(), 2);
    EXPECT_EQ(player.weapon().power, 1);
    player.weapon().power = 19;
    player.switchWeapon(2);
    player.switchWeapon(2);
    EXPECT_EQ(player.score, 1000 + 100000 + 21000) << "firepower 1, max power, firepower 21";
}

TEST(Hud, TheScoreEasesInHalvesAndTheQueueShowsFiveAtATime) {
    std::vector<int32_t> shown;
    for (int32_t score = 0; score != 1000;) shown.push_back(score = Hud::easeScore(score, 1000));
    EXPECT_EQ(shown, (std::vector<int32_t>{500, 750, 875, 937, 968, 984, 992, 996, 998, 999, 1000}));
    EXPECT_EQ(Hud::easeScore(2147483000, 2147483647), 2147483323);
    EXPECT_EQ(Hud::easeScore(-2147483647, -2147483000), -2147483323);
    EXPECT_EQ(Hud::nextSlide(0, true), 2);
    EXPECT_EQ(Hud::nextSlide(200, true), 250);
    EXPECT_EQ(Hud::nextSlide(250, false), 125);
    EXPECT_FLOAT_EQ(FloatingMessage::titleScale(100.f, 30.f, false), 1.f);
    EXPECT_FLOAT_EQ(FloatingMessage::titleScale(200.f, 30.f, false), 0.66f);
    EXPECT_GT(FloatingMessage::titleScale(200.f, 400.f, true), 0.f) << "no room left still draws";

    PlayHarness harness;
    Hud& hud = *harness.controller.huds[0];
    for (int i = 0; i < 6; ++i) harness.player().award(STR_BONUSWEAPON, 1000, 2);
    EXPECT_EQ(harness.player().score, 6000);
    harness.step(8);
    std::vector<int32_t> slides;
    for (VekBase* m = hud.messages->getChildren().getHead(); m; m = m->getNext())
        slides.push_back(static_cast<FloatingMessage*>(m)->slide);
    EXPECT_EQ(slides, (std::vector<int32_t>{0, 0, 0, 0, 0, 100})) << "the sixth waits unseen";
    int frames = 8;
    for (; harness.queued() == 6 && frames < 100; ++frames) harness.step();
    EXPECT_EQ(frames, 30 + 25) << "one second shown, then 25 frames of scrolling";
}

namespace {

/// Both players' huds, shown and still, drawn alone on black in a game on a display of `width`
/// by `height` pixels; the viewport as drawn.
MemoryImageFile drawHuds(int width, int height, bool bLetterbox) {
    GameHarnessOptions options;
    options.bDraw = true;
    options.displayWidth = width;
    options.displayHeight = height;
    PlayHarness harness(2, 2, options);
    VekGraphics& graphics = *VekGraphics::get();
    graphics.changePresentationParameters(-1, -1, false, bLetterbox, true, false);
    graphics.restartDevice();
    graphics.beginScene();
    graphics.clear(0xFF000000);
    for (Hud* hud : harness.controller.huds) {
        hud->bHidden = false;
        hud->slide = 0;
        hud->frameUpdate();
    }
    MemoryImageFile image(graphics.viewportWidth, graphics.getViewportHeight());
    image.pixels = graphics.readViewport();
    return image;
}

MemoryImageFile crop(const MemoryImageFile& image, int left, int top, int width, int height) {
    MemoryImageFile part(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            part.at(x, y) = image.at(left + x, top + y);
    return part;
}

} // namespace

TEST(Hud, KeepsItsPixelSizeAtTheEdgesOfTheVisibleScreen) {
    constexpr int CORNER_WIDTH = 256; // the panels, the score and the counters of one corner
    constexpr int CORNER_HEIGHT = 72;
    const auto corners = [](const MemoryImageFile& image) {
        const int right = image.width - CORNER_WIDTH;
        const int bottom = image.height - CORNER_HEIGHT;
        return std::array{crop(image, 0, 0, CORNER_WIDTH, CORNER_HEIGHT),
                          crop(image, right, 0, CORNER_WIDTH, CORNER_HEIGHT),
                          crop(image, 0, bottom, CORNER_WIDTH, CORNER_HEIGHT),
                          crop(image, right, bottom, CORNER_WIDTH, CORNER_HEIGHT)};
    };
    const MemoryImageFile reference = drawHuds(640, 480, true);
    const auto want = corners(reference);
    const struct {
        int width, height;
        bool bLetterbox;
        int wantViewportWidth, wantViewportHeight;
    } larger[] = {
        {1024, 768, true, 1024, 768},
        {1280, 1024, true, 1280, 960}, // bars above and below
        {1280, 720, true, 960, 720},   // bars left and right
        {1280, 720, false, 1280, 720}, // stretched
    };
    for (const auto& c : larger) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " letterbox " << c.bLetterbox);
        const MemoryImageFile image = drawHuds(c.width, c.height, c.bLetterbox);
        ASSERT_EQ(std::pair(image.width, image.height), std::pair(c.wantViewportWidth, c.wantViewportHeight));
        const auto got = corners(image);
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_TRUE(matchesImage(got[i], want[i], 2)) << "corner " << i;
    }
}

TEST(Hud, ItsScreenIsTheViewportInPixelsUnlessThatIsSmallerThanTheLayout) {
    const struct {
        int width, height;
        bool bLetterbox;
        Vector2 want;
    } cases[] = {
        {640, 480, true, {640, 480}},      {1024, 768, true, {1024, 768}},
        {1280, 1024, true, {1280, 960}},   // inside the bars
        {1920, 1080, true, {1440, 1080}},  {1920, 1080, false, {1920, 1080}},
        {480, 360, true, {640, 480}},      // below the field: layout units, shrinking with it
        {600, 300, false, {960, 480}},     {700, 400, true, {640, 480}},
    };
    for (const auto& c : cases) {
        const Vector2 got = Hud::screenSize(ScreenLayout::compute(c.width, c.height, c.bLetterbox));
        EXPECT_EQ(std::pair(got.x, got.y), std::pair(c.want.x, c.want.y))
            << c.width << "x" << c.height << " letterbox " << c.bLetterbox;
    }
}

TEST(FloatingMessage, WithoutARunningGameItPaysNothingAndStillDraws) {
    GameHarness harness;
    FloatingMessage message(3, u"Title", u"", 200000, 9, false);
    EXPECT_EQ(message.text, u"200,000");
    EXPECT_EQ(message.player, 1);
    EXPECT_EQ(message.style, FloatingMessage::STYLES - 1);
    message.frameUpdate();
    EXPECT_EQ(message.slide, 50);
}

#endif
