#include "core/EngineLifecycle.h"
#include <gtest/gtest.h>
#include "TempDataHome.h"
#include "core/Context.h"
#include "core/MessageLoop.h"
#include "core/Vek.h"
#include "platform/PlatformWindow.h"

namespace {

struct RootJournal {
    int created = 0, destroyed = 0, preLoaded = 0, ticks = 0, quitAfterTicks = 0;
    Vek* pEngineAtCreation = nullptr;
    bool bEngineAliveAtDestruction = false;
};

class CountingContext : public Context {
public:
    explicit CountingContext(RootJournal& journal) : journal(journal) {}
    void tickContents(double, double) override { ++journal.ticks; }

private:
    RootJournal& journal;
};

class TestGameRoot : public GameRoot {
public:
    explicit TestGameRoot(RootJournal& journal) : journal(journal), context(journal) {
        ++journal.created;
        journal.pEngineAtCreation = Vek::get();
    }
    ~TestGameRoot() override {
        ++journal.destroyed;
        journal.bEngineAliveAtDestruction = Vek::get() != nullptr;
    }
    void initPreLoader() override { ++journal.preLoaded; }
    Context* getRootContext() override { return &context; }
    bool isQuitRequested() const override { return journal.quitAfterTicks > 0 && journal.ticks >= journal.quitAfterTicks; }
    WideString getExitUrl() const override { return u"ftp://refused.example/"; }
    void tellFailedSave(const WideString&) override {}

private:
    RootJournal& journal;
    CountingContext context;
};

class EngineLifecycle : public testing::Test {
protected:
    void install(bool* pForeground = nullptr) {
        EngineEnvironment environment;
        environment.bFixedStep = true;
        if (pForeground) environment.isInForeground = [pForeground] { return *pForeground; };
        environment.createGameRoot = [this] { return std::make_unique<TestGameRoot>(journal); };
        installEngineEnvironment(std::move(environment));
    }
    void TearDown() override {
        shutDownEngine();
        restartRequested = false;
        installEngineEnvironment({});
    }
    std::unique_ptr<platform::PlatformWindow> openWindow() {
        std::string error;
        auto window = platform::PlatformWindow::open("loop test", 100, 100, error);
        EXPECT_TRUE(window) << error;
        return window;
    }

    TempDataHome home;
    RootJournal journal;
};

}  // namespace

TEST_F(EngineLifecycle, WaitsForTheForegroundThenBuildsTheEngineBeforeTheGameRoot) {
    bool bForeground = false;
    install(&bForeground);
    EXPECT_EQ(frameTick(), FrameTickResult::Waited);
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(journal.created, 0);
    bForeground = true;
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    ASSERT_NE(Vek::get(), nullptr);
    EXPECT_EQ(journal.pEngineAtCreation, Vek::get());
    EXPECT_EQ(journal.preLoaded, 1);
    EXPECT_EQ(journal.ticks, 1);
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_EQ(journal.created, 1);
    // Once built, losing the foreground pauses the engine instead of tearing it down.
    bForeground = false;
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_EQ(Vek::get()->getMode(), VekMode::Paused);
    EXPECT_EQ(journal.ticks, 2);
}

TEST_F(EngineLifecycle, RestartFlagRebuildsBothRootsOnTheNextTickGameRootFirst) {
    install();
    frameTick();
    restartRequested = true;
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);  // the frame runs, then both roots go
    EXPECT_FALSE(restartRequested);
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(getGameRoot(), nullptr);
    EXPECT_EQ(journal.destroyed, 1);
    EXPECT_TRUE(journal.bEngineAliveAtDestruction);
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_NE(Vek::get(), nullptr);
    EXPECT_EQ(journal.created, 2);
    EXPECT_EQ(journal.preLoaded, 2);
    EXPECT_EQ(journal.ticks, 3);
}

TEST_F(EngineLifecycle, QuitRequestStopsAndShutDownDeletesBothRootsOnce) {
    install();
    journal.quitAfterTicks = 2;
    frameTick();
    EXPECT_EQ(frameTick(), FrameTickResult::Stop);
    EXPECT_NE(Vek::get(), nullptr);  // the window's close does the deleting
    shutDownEngine();
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(journal.destroyed, 1);
    shutDownEngine();
    EXPECT_EQ(journal.destroyed, 1);

    installEngineEnvironment({});  // without a game root, frames run over nothing
    for (int i = 0; i < 3; ++i) EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_EQ(getGameRoot(), nullptr);
    EXPECT_EQ(Vek::get()->renderedFrames, 3);
}

TEST_F(EngineLifecycle, TheMessageLoopEndsOnTheFrameLimitOrTheGamesQuitAndShutsDown) {
    auto window = openWindow();
    ASSERT_TRUE(window);
    installEngineEnvironment({nullptr, true, nullptr, nullptr, {}});
    runMessageLoop(*window, 5);
    EXPECT_TRUE(window->isCloseRequested());
    EXPECT_EQ(Vek::get(), nullptr);

    window = openWindow();
    install();
    journal.quitAfterTicks = 3;
    runMessageLoop(*window, 0);
    EXPECT_EQ(journal.ticks, 3);
    EXPECT_EQ(journal.destroyed, 1);
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(getGameRoot(), nullptr);
}
