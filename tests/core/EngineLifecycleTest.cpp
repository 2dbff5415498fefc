#include "core/EngineLifecycle.h"
#include <gtest/gtest.h>
#include "TempDataHome.h"
#include "core/Context.h"
#include "core/Vek.h"

namespace {

struct RootJournal {
    int created = 0;
    int destroyed = 0;
    int preLoaded = 0;
    int ticks = 0;
    bool bQuit = false;
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
    explicit TestGameRoot(RootJournal& journal) : journal(journal) {
        ++journal.created;
        journal.pEngineAtCreation = Vek::get();
    }
    ~TestGameRoot() override {
        ++journal.destroyed;
        journal.bEngineAliveAtDestruction = Vek::get() != nullptr;
    }
    void initPreLoader() override {
        ++journal.preLoaded;
        pContext = std::make_unique<CountingContext>(journal);
    }
    Context* getRootContext() override { return pContext.get(); }
    bool isQuitRequested() const override { return journal.bQuit; }
    WideString getExitUrl() const override { return {}; }

private:
    RootJournal& journal;
    std::unique_ptr<Context> pContext;
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

    TempDataHome home;
    RootJournal journal;
};

}  // namespace

TEST_F(EngineLifecycle, FirstTickBuildsEngineThenGameRootAndRunsAFrame) {
    install();
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    ASSERT_NE(Vek::get(), nullptr);
    EXPECT_EQ(journal.pEngineAtCreation, Vek::get());
    EXPECT_EQ(journal.preLoaded, 1);
    EXPECT_EQ(journal.ticks, 1);
    EXPECT_NE(getGameRoot(), nullptr);
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_EQ(journal.created, 1);
    EXPECT_EQ(journal.ticks, 2);
}

TEST_F(EngineLifecycle, WaitsForTheForegroundBeforeBuildingAnything) {
    bool bForeground = false;
    install(&bForeground);
    EXPECT_EQ(frameTick(), FrameTickResult::Waited);
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(journal.created, 0);
    bForeground = true;
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    // Once built, losing the foreground pauses the engine instead of tearing it down.
    bForeground = false;
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_EQ(Vek::get()->getMode(), VekMode::Paused);
    EXPECT_EQ(journal.ticks, 1);
}

TEST_F(EngineLifecycle, RestartFlagRebuildsBothRootsOnTheNextTick) {
    install();
    frameTick();
    Vek* first = Vek::get();
    restartRequested = true;
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);  // the frame runs, then both roots go
    EXPECT_FALSE(restartRequested);
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(getGameRoot(), nullptr);
    EXPECT_EQ(journal.destroyed, 1);
    EXPECT_TRUE(journal.bEngineAliveAtDestruction);  // the game root goes first
    EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_NE(Vek::get(), nullptr);
    EXPECT_EQ(journal.created, 2);
    EXPECT_EQ(journal.preLoaded, 2);
    EXPECT_EQ(journal.ticks, 3);
    static_cast<void>(first);
}

TEST_F(EngineLifecycle, QuitRequestStopsAndShutDownDeletesBothRoots) {
    install();
    frameTick();
    journal.bQuit = true;
    EXPECT_EQ(frameTick(), FrameTickResult::Stop);
    EXPECT_NE(Vek::get(), nullptr);  // the window's close does the deleting
    shutDownEngine();
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(journal.destroyed, 1);
    shutDownEngine();  // a second close finds nothing to do
    EXPECT_EQ(journal.destroyed, 1);
}

TEST_F(EngineLifecycle, WithoutAGameRootFramesRunOverNothing) {
    installEngineEnvironment({});
    for (int i = 0; i < 3; ++i) EXPECT_EQ(frameTick(), FrameTickResult::Ran);
    EXPECT_EQ(getGameRoot(), nullptr);
    EXPECT_EQ(Vek::get()->renderedFrames, 3);
}
