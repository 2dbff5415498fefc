#include "game/Loader.h"
#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "GameHarness.h"
#include "GameTestSupport.h"
#include "UserDataTestSupport.h"
#include "core/Language.h"
#include "core/ResourceManager.h"
#include "core/StaticSettings.h"
#include "game/ContextManager.h"
#include "game/GameFont.h"
#include "game/ProgressBar.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "media/Texture.h"

namespace {

/// A loaded game root on the test archives.
struct LoadedGame {
    GameTestEngine engine;
    std::vector<std::pair<Context*, std::string>> made;
    std::unique_ptr<GameGlobal> game;

    explicit LoadedGame(const std::vector<std::u16string>& fontCodePages = {u"1252"})
        : engine(fontCodePages) {}
    ~LoadedGame() { game.reset(); }

    void start() {
        auto screens = std::make_unique<TestMenuScreens>();
        screens->pMade = &made;
        game = std::make_unique<GameGlobal>(std::move(screens), engine.mainArchive);
        game->initPreLoader();
    }
    Loader* loader() const { return static_cast<Loader*>(game->contextManager->getChildren().getHead()); }
    /// Frames until the loader has done its last step (at most `limit`).
    int loadAll(int limit = 20) {
        int frames = 0;
        while (loader()->step < Loader::STEP_COUNT && frames < limit) {
            engine.vek->frame(game->getRootContext());
            ++frames;
        }
        return frames;
    }
    Resource* find(const std::u16string& name) const {
        return engine.vek->getResourceManager().find(name, false);
    }
};

/// Steps that take a fixed time on the fake clock and do nothing else.
class TimedLoader : public Loader {
  public:
    TimedLoader(platform::FixedStepClock& clock, double stepSeconds)
        : clock(clock), stepSeconds(stepSeconds) {}
    int32_t loadStuff(bool countOnly) override {
        if (countOnly) return STEP_COUNT;
        clock.advance(stepSeconds);
        ++step;
        if (step == 4) stepOnce = true;
        if (step == coveringStep) {
            cover = new Context();
            cover->deleteWhenClosed = true;
            Global::get()->contextManager->addContext(cover);
        }
        return step;
    }

    int coveringStep = 9; ///< this step opens a screen over the loader
    Context* cover = nullptr;

  private:
    platform::FixedStepClock& clock;
    double stepSeconds;
};

} // namespace

TEST(Loader, FirstFrameRunsOneStepAndEachLaterFrameStaysWithinItsBudgetPlusOneStep) {
    LoadedGame g;
    g.start();
    auto* loader = new TimedLoader(*g.engine.pClock, 0.1);
    g.game->contextManager->addContext(loader);
    const auto frameSteps = [&] {
        const int before = loader->step;
        g.game->contextManager->tickContext(0.0, 0.0);
        return loader->step - before;
    };
    frameSteps(); // activates the timed loader
    EXPECT_EQ(loader->step, 1);
    EXPECT_FLOAT_EQ(loader->progressBar->getProgress(), 1.f / 120.f);
    EXPECT_EQ(frameSteps(), 3); // steps 2, 3 and then 4, which ends the frame's run
    EXPECT_EQ(frameSteps(), 3); // 0.1 + 0.1 + 0.1 passes the 0.25 s deadline on the third
    // A step that opens a screen over the loader ends the run; the covered loader stands
    // still, and the first frame back on top does one step.
    EXPECT_EQ(frameSteps(), 2);
    EXPECT_EQ(frameSteps(), 0);
    loader->cover->closed = true;
    EXPECT_EQ(frameSteps(), 1);
    EXPECT_EQ(frameSteps(), 3);
    loader->closed = true;
}

TEST(Loader, CountsItsStepsLoadsEveryResourceAndOpensTheStartScreens) {
    LoadedGame g;
    g.start();
    EXPECT_EQ(g.loader()->loadStuff(true), 120);  // counting runs no step
    EXPECT_EQ(g.loader()->step, 0);
    EXPECT_EQ(g.loader()->stepCount, 120);
    EXPECT_EQ(g.loadAll(), 3); // step 1 alone, then 2 to 4, then the rest (time stands still)
    ASSERT_EQ(g.loader()->step, 120);
    for (const LoaderResource& row : loaderResourceTable())
        EXPECT_NE(g.find(row.name), nullptr) << toUtf8(row.name);
    for (const char16_t* name :
         {u"gui-game-progressBar", u"gui-game-progressBar:1", u"mousePointer", u"languageFlags",
          u"languageFlags:14", u"hud:1", u"bmp_zelbin_0:0", u"bmp_snowflake:29", u"fontTinyTex1",
          u"fontSmallTex2", u"fontSmallTexExtra1", u"fontMediumTex1", u"fontLargeTex1"})
        EXPECT_NE(g.find(name), nullptr) << toUtf8(name);
    EXPECT_EQ(g.find(u"fontTinyTexExtra1"), nullptr);
    EXPECT_EQ(g.find(u"fontLargeTex2"), nullptr);
    EXPECT_TRUE(g.loader()->closed);
    // Bottom to top: the closed loader, the main menu, the logo.
    ASSERT_EQ(g.made.size(), 2u);
    EXPECT_EQ(g.made[0].second, "main menu");
    EXPECT_EQ(g.made[1].second, "logo");
    EXPECT_EQ(g.game->contextManager->getTopContext(), g.made[1].first);
    EXPECT_EQ(g.loader()->getNext(), g.made[0].first);
    EXPECT_NE(g.engine.log().find("Global::initPostLoader(): Global initialization complete at t="),
              std::string::npos);
    EXPECT_NE(g.engine.log().find("Multilanguage mode (-2)."), std::string::npos);
    EXPECT_EQ(g.game->gameResources->getChildren().count(), 3u + 56u + 37u);
    for (const char16_t* name : {u"fontTiny", u"fontSmall", u"fontMedium", u"fontLarge"})
        EXPECT_NE(g.find(name), nullptr) << toUtf8(name);
    EXPECT_EQ(g.game->textFontSmall->font, g.game->fontSmall);
    EXPECT_EQ(g.game->pod->getSurf(g.game->pod->count - 1)->next, nullptr);
    EXPECT_EQ(g.game->coin->getSurf(g.game->coin->count - 1)->next, g.game->coin->getSurf(0));
    // Further calls change nothing.
    EXPECT_EQ(g.loader()->loadStuff(false), 120);
}

TEST(Loader, OffersTheCrashReportOnlyForACrashLogOrMinidumpStandingAtItsOwnName) {
    enum class Planted { Nothing, File, LinkToAFile };
    struct Case {
        Planted log, minidump;
        bool bOffered;
    };
    const Case cases[] = {{Planted::Nothing, Planted::Nothing, false},
                          {Planted::File, Planted::Nothing, true},
                          {Planted::Nothing, Planted::File, true},
                          {Planted::LinkToAFile, Planted::LinkToAFile, false},
                          {Planted::LinkToAFile, Planted::File, true}};
    for (const Case& c : cases) {
        LoadedGame g;
        const std::filesystem::path elsewhere = g.engine.home.path() / "elsewhere.txt";
        writeText(elsewhere, "not a crash");
        const std::pair<Planted, WideString> names[] = {{c.log, getCrashLogPath()},
                                                        {c.minidump, getCrashMiniDumpPath()}};
        for (const auto& [planted, name] : names) {
            if (planted == Planted::File) writeText(toUtf8(name), "crash");
            if (planted == Planted::LinkToAFile) std::filesystem::create_symlink(elsewhere, toUtf8(name));
        }
        g.start();
        g.loadAll();
        const bool bOffered = std::any_of(g.made.begin(), g.made.end(),
                                          [](const auto& made) { return made.second == "crash report"; });
        EXPECT_EQ(bOffered, c.bOffered) << static_cast<int>(c.log) << static_cast<int>(c.minidump);
    }
}

TEST(Loader, SingleLanguageModeSetsTheLanguageWithoutDetecting) {
    LoadedGame g;
    g.engine.vek->getStaticSettings().singleLanguage = 3;
    g.start();
    g.loadAll();
    EXPECT_EQ(g.engine.vek->defaultLanguage, 3);
    EXPECT_EQ(g.engine.vek->getLanguage().getCurrentLanguage(), 3);
    EXPECT_NE(g.engine.log().find("Single language mode (3)."), std::string::npos);
    EXPECT_EQ(g.engine.log().find("Trying to autodetect"), std::string::npos);
}

TEST(Loader, ALanguageWithoutPagesInItsCodePageGetsThoseOfCodePage1252) {
    LoadedGame g;
    g.engine.vek->defaultLanguage = 7; // Polish, code page 1250: no pages in the test archives
    g.start();
    g.loadAll();
    EXPECT_EQ(g.engine.vek->getLanguage().getCurrentLanguage(), 7);
    EXPECT_NE(g.find(u"fontSmallTex1"), nullptr);
}

TEST(LoaderDeathTest, AFontWithoutAnyPagesStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            LoadedGame g(std::vector<std::u16string>{});
            g.start();
            g.loadAll();
        },
        testing::ExitedWithCode(1),
        "Could not find any 8-bit glyphs for font 'font-tiny' in the archive '[^']*\\.1252'");
}

#ifdef VEK_ASSETS_DIR

TEST(Loader, TheDisplayOpensInTheSavedModeWhichTheRecordAndTheSettingsThenKeep) {
    struct Case {
        const char* name;
        std::optional<bool> saved; ///< the engine settings' choice; none: a fresh install
        bool bSafe;
        bool wantFullScreen; ///< the display's state
        int wantWidth;       ///< the display's width
        bool wantKept;       ///< in the record and the engine settings
    };
    const Case cases[] = {
        {"fresh install", std::nullopt, false, true, 640, true},
        {"window chosen", false, false, false, 640, false},
        {"full screen chosen", true, false, true, 640, true},
        {"-safe over full screen", true, true, false, 800, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const char* arguments[] = {"zelbin-vorlanx", "-safe"};
        setProgramArguments(c.bSafe ? 2 : 1, arguments);
        GameHarnessOptions options;
        options.savedFullScreen = c.saved;
        GameHarness harness(options);
        setProgramArguments(0, nullptr);
        const VekGraphics& graphics = *VekGraphics::get();
        EXPECT_EQ(graphics.bFullScreen, c.wantFullScreen);
        EXPECT_EQ(graphics.displayWidth, c.wantWidth); // offscreen, full screen keeps the mode's size
        EXPECT_EQ(harness.game().configuration.fullScreen, c.wantKept);
        harness.game().saveUserData();
        const std::vector<uint8_t> record =
            readSignedUserFile(GameConfiguration::getFileName(), sizeof(GameConfigurationRecord));
        ASSERT_FALSE(record.empty());
        EXPECT_EQ(record[offsetof(GameConfigurationRecord, fullScreen)], c.wantKept ? 1 : 0);
        const std::string settings = readText(toUtf8(UserSettings::defaultPath()));
        EXPECT_NE(settings.find(c.wantKept ? "bFullScreen=1" : "bFullScreen=0"), std::string::npos) << settings;

        // Rebuilt, as after a change of language, without "-safe": the display as kept.
        restartRequested = true;
        const auto loaded = [&] {
            auto* loader = GameGlobal::get() ? dynamic_cast<Loader*>(harness.stack().getChildren().getHead())
                                             : nullptr;
            return loader && loader->step == Loader::STEP_COUNT;
        };
        harness.step();
        ASSERT_TRUE(harness.runUntil(loaded, 100));
        EXPECT_EQ(VekGraphics::get()->bFullScreen, c.wantKept);
        EXPECT_EQ(harness.game().configuration.fullScreen, c.wantKept);
    }
}

#endif
