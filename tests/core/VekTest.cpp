#include "core/Vek.h"
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <utility>
#include <vector>
#include "TempDataHome.h"
#include "core/Context.h"
#include "core/GameRandom.h"
#include "core/LiveObjectList.h"
#include "platform/FixedStepClock.h"

namespace {

using Step = std::pair<VekMode, VekMode>;

/// Hears the engine's mode steps.
class ModeListener : public VekBase {
public:
    explicit ModeListener(std::vector<Step>& heard) : heard(heard) {}
    void onModeChange(VekMode from, VekMode to) override { heard.emplace_back(from, to); }

private:
    std::vector<Step>& heard;
};

/// Remembers the time steps it is ticked with; can let clock time pass inside a frame.
class StepRecorder : public Context {
public:
    void tickContents(double t, double dt) override {
        steps.push_back(dt);
        lastT = t;
        if (pClock) pClock->advance(workSeconds);
        Context::tickContents(t, dt);
    }
    std::vector<double> steps;
    double lastT = 0.0;
    platform::FixedStepClock* pClock = nullptr;
    double workSeconds = 0.0;
};

/// An engine on a fixed-step clock that the test can also move by hand.
struct TestEngine {
    TempDataHome home;
    platform::FixedStepClock* pClock;
    std::unique_ptr<Vek> vek;

    explicit TestEngine(bool bFixedStep = false, double start = 0.0) {
        Vek::Options options;
        options.bFixedStep = bFixedStep;
        auto clock = std::make_unique<platform::FixedStepClock>(start);
        pClock = clock.get();
        options.pClock = std::move(clock);
        vek = std::make_unique<Vek>(std::move(options));
    }
};

}  // namespace

TEST(Vek, PublishesItselfAndSeedsTheRandomGeneratorInWholeSeconds) {
    TestEngine engine(false, 1234.75);
    EXPECT_EQ(Vek::get(), engine.vek.get());
    EXPECT_EQ(gameRandom.getState(), 1234u);
    EXPECT_TRUE(engine.vek->bRelease);
    EXPECT_EQ(engine.vek->debugLevel, 0);
    engine.vek.reset();
    EXPECT_EQ(Vek::get(), nullptr);

    // A fixed-step run starts its own clock at 0, so every such run draws the same numbers.
    TempDataHome home;
    gameRandom.setSeed(99);
    Vek::Options fixed;
    fixed.bFixedStep = true;
    Vek vek(std::move(fixed));
    EXPECT_EQ(gameRandom.getState(), 0u);
}

TEST(Vek, ModeChangesStepOneAtATimeAndEveryLiveObjectHearsEachStep) {
    TestEngine engine;
    Vek& vek = *engine.vek;
    std::vector<Step> first, second;
    ModeListener a(first);
    ModeListener b(second);

    struct Case {
        bool bActive, bDeviceLost;
        VekMode mode;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {true, false, VekMode::Running, {}},
        {false, false, VekMode::Paused, {{VekMode::Running, VekMode::Paused}}},
        {false, true, VekMode::Frozen, {{VekMode::Paused, VekMode::Frozen}}},
        {true, false, VekMode::Running, {{VekMode::Frozen, VekMode::Paused}, {VekMode::Paused, VekMode::Running}}},
        {true, true, VekMode::Frozen, {{VekMode::Running, VekMode::Paused}, {VekMode::Paused, VekMode::Frozen}}},
        {true, true, VekMode::Frozen, {}},
        {false, false, VekMode::Paused, {{VekMode::Frozen, VekMode::Paused}}},
    };
    for (const Case& c : cases) {
        first.clear();
        second.clear();
        vek.setWindowActive(c.bActive);
        vek.setDeviceLost(c.bDeviceLost);
        vek.frame(nullptr);
        EXPECT_EQ(vek.getMode(), c.mode);
        EXPECT_EQ(first, c.steps);
        EXPECT_EQ(second, c.steps);
    }
}

TEST(Vek, OnlyRunningFramesTickDrawAndCount) {
    TestEngine engine;
    Vek& vek = *engine.vek;
    StepRecorder root;
    vek.frame(&root);
    vek.setWindowActive(false);
    vek.frame(&root);
    vek.frame(&root);
    vek.setWindowActive(true);
    vek.frame(&root);
    EXPECT_EQ(root.steps.size(), 2u);
    EXPECT_EQ(vek.renderedFrames, 2);
    // The paused frames' time is not handed on to the contexts.
    EXPECT_NEAR(root.steps[1], 1.0 / 30.0, 1e-9);
}

TEST(Vek, ContextsAdvanceByTheMeasuredFrameTimeCappedAtAFiftieth) {
    TestEngine engine;
    Vek& vek = *engine.vek;
    StepRecorder root;
    root.pClock = engine.pClock;
    // Work done inside each frame (seconds), and the step the following frame must see.
    const std::pair<double, double> frames[] = {
        {0.0, 1.0 / 30.0},   // an idle frame lasts exactly its paced period
        {0.01, 1.0 / 30.0},  // short work is absorbed by the pacing
        {0.04, 0.04},        // overran the period: the frame took as long as the work
        {0.2, 0.05},         // a stall: capped
        {3.0, 0.05},
        {0.0, 1.0 / 30.0},
    };
    vek.frame(&root);
    for (const auto& [work, expected] : frames) {
        root.workSeconds = work;
        vek.frame(&root);
        root.workSeconds = 0.0;
        vek.frame(&root);
        const std::size_t after = root.steps.size() - 1;
        EXPECT_NEAR(root.steps[after], expected, 1e-9) << "work " << work;
    }
    for (double step : root.steps) EXPECT_LE(step, Vek::MAX_FRAME_STEP);
}

TEST(Vek, FixedStepAdvancesExactlyOneTickStepAndClockSumsThem) {
    TestEngine engine(true);
    Vek& vek = *engine.vek;
    StepRecorder root;
    root.pClock = engine.pClock;
    root.workSeconds = 0.3;  // even slow frames advance one step
    for (int i = 0; i < 90; ++i) vek.frame(&root);
    for (double step : root.steps) EXPECT_EQ(step, vek.tickStep);
    EXPECT_NEAR(root.lastT, 90 * vek.tickStep, 1e-9);
    EXPECT_NEAR(vek.globalClock, 3.0, 1e-9);
}

TEST(Vek, StateDelaysTakeAFixedNumberOfFramesWithFixedStep) {
    // Delay in seconds, and the frame on which the state is entered, at 30 ticks per second.
    const std::pair<double, int> cases[] = {
        {0.0, 0}, {1.0 / 30.0, 1}, {2.0 / 30.0, 2}, {0.25, 8}, {0.99, 30},
    };
    for (const auto& [delay, expectedFrame] : cases) {
        TestEngine engine(true);
        Context root;
        auto* actor = new VekBase;
        root.addChild(actor);
        actor->setState(7, delay);
        int frame = 0;
        while (actor->getState() != 7 && frame < 100) {
            engine.vek->frame(&root);
            ++frame;
        }
        EXPECT_EQ(frame, expectedFrame) << "delay " << delay;
    }
}

TEST(Vek, MeasuresTheFrameRate) {
    TestEngine engine;
    Vek& vek = *engine.vek;
    for (int i = 0; i < 30; ++i) vek.frame(nullptr);
    EXPECT_NEAR(vek.measuredFrameRate, 30.0, 1e-6);
    StepRecorder slow;
    slow.pClock = engine.pClock;
    slow.workSeconds = 0.1;
    for (int i = 0; i < 10; ++i) vek.frame(&slow);
    EXPECT_NEAR(vek.measuredFrameRate, 10.0, 1e-6);
}

TEST(Vek, TimesEveryPhaseOfTheFrame) {
    TestEngine engine;
    Vek& vek = *engine.vek;
    StepRecorder root;
    root.pClock = engine.pClock;
    root.workSeconds = 0.01;
    vek.frame(&root);
    const auto& times = vek.getLastFrameTimes();
    EXPECT_NEAR(times[static_cast<std::size_t>(Vek::Phase::Tick)], 0.01, 1e-9);
    EXPECT_NEAR(times[static_cast<std::size_t>(Vek::Phase::TimerWait)], 1.0 / 30.0 - 0.01, 1e-9);
    double sum = 0.0;
    for (double each : times) sum += each;
    EXPECT_NEAR(sum, 1.0 / 30.0, 1e-9);  // the phases cover the whole frame
}

TEST(Vek, TracksLiveObjectsOfItsLifetime) {
    TestEngine engine;
    const std::size_t before = engine.vek->getLiveObjects().size();
    {
        VekBase object;
        EXPECT_EQ(engine.vek->getLiveObjects().size(), before + 1);
    }
    EXPECT_EQ(engine.vek->getLiveObjects().size(), before);
}

namespace {

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::filesystem::path userFolder(const TempDataHome& home) { return home.path() / "ZV2rmBrumedemo" / "3.07"; }

void writeUserSettings(const TempDataHome& home, const std::string& text) {
    std::filesystem::create_directories(userFolder(home));
    std::ofstream(userFolder(home) / "ZV2rmBrumedemo.ini") << text;
}

std::unique_ptr<Vek> makeEngine() {
    Vek::Options options;
    options.pClock = std::make_unique<platform::FixedStepClock>();
    return std::make_unique<Vek>(std::move(options));
}

}  // namespace

TEST(VekSettings, DevelopmentModeOnlyWithTheAccessCode) {
    struct Case {
        std::string settings;
        bool bRelease;
        int debugLevel;
    };
    const Case cases[] = {
        {"", true, 0},
        {"[Vek]\ndebugLevel=3\n", true, 0},
        {"[Vek]\ndebugLevel=3\ndebugCode=guess\n", true, 0},
        {"[Vek]\ndebugLevel=3\ndebugCode=vek-7d33-brume\n", false, 3},
        {"[Vek]\ndebugCode=vek-7d33-brume\n", false, 0},
    };
    for (const Case& c : cases) {
        TempDataHome home;
        writeUserSettings(home, c.settings);
        auto vek = makeEngine();
        EXPECT_EQ(vek->bRelease, c.bRelease) << c.settings;
        EXPECT_EQ(vek->debugLevel, c.debugLevel) << c.settings;
    }
}

TEST(VekSettings, MissingOrBadKeysGetDefaultsThatAreSavedAtShutDown) {
    TempDataHome home;
    writeUserSettings(home, "[Vek]\nframesPerSecond=0\nbEnableDelayedLoad=maybe\ndefaultLanguage=5\n");
    {
        auto vek = makeEngine();
        EXPECT_EQ(vek->framesPerSecond, 30);
        EXPECT_TRUE(vek->bEnableDelayedLoad);
        EXPECT_EQ(vek->defaultLanguage, 5);
        vek->defaultLanguage = -1;  // the language screen asks again after the restart
    }
    const std::string saved = readText(userFolder(home) / "ZV2rmBrumedemo.ini");
    for (const char* line : {"[Vek]", "defaultLanguage=-1", "bEnableDelayedLoad=", "debugLevel=0", "debugCode=",
                             "framesPerSecond=30"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
    auto again = makeEngine();
    EXPECT_EQ(again->defaultLanguage, -1);
}

TEST(VekSettings, ARebuiltEngineContinuesTheRunsLog) {
    TempDataHome home;
    makeEngine().reset();
    makeEngine().reset();
    const std::string log = readText(userFolder(home) / "ZV2rmBrumedemo.log");
    std::size_t created = 0;
    for (std::size_t at = log.find("Engine created"); at != std::string::npos; at = log.find("Engine created", at + 1))
        ++created;
    EXPECT_EQ(created, 2u);
}
