#include "core/Vek.h"
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include "FileTestSupport.h"
#include "EngineTestSupport.h"
#include "TempDataHome.h"
#include "core/Context.h"
#include "core/GameRandom.h"
#include "core/MediaServices.h"
#include "platform/FixedStepClock.h"

namespace {

using Step = std::pair<VekMode, VekMode>;
using Calls = std::vector<std::string>;

/// Hears the engine's mode steps.
class ModeListener : public VekBase {
public:
    explicit ModeListener(std::vector<Step>& heard) : heard(heard) {}
    void onModeChange(VekMode from, VekMode to) override { heard.emplace_back(from, to); }

private:
    std::vector<Step>& heard;
};

/// Remembers the time steps it is ticked with and its draws; can let clock time pass inside a frame.
class StepRecorder : public Context {
public:
    void tickContents(double t, double dt) override {
        steps.push_back(dt);
        lastT = t;
        if (pClock) pClock->advance(workSeconds);
        Context::tickContents(t, dt);
    }
    void renderContents() override {
        if (pCalls) pCalls->push_back("render");
    }
    std::vector<double> steps;
    double lastT = 0.0;
    platform::FixedStepClock* pClock = nullptr;
    double workSeconds = 0.0;
    Calls* pCalls = nullptr;
};

/// Media that writes down what the frame loop asks of it, and can ask for a device restart.
class RecordingMedia : public MediaServices {
public:
    explicit RecordingMedia(Calls& calls) : calls(calls) {}
    void beginFrame() override { calls.push_back("input"); }
    void followPointer(Context*) override {}
    void trackPointer(Context*) override {}
    ScreenPointer getScreenPointer() const override { return {}; }
    KeyNameTable& getKeyNames() override { return keyNames; }
    bool needsDeviceRestart() override { return bRestart; }
    void restartDevice() override {
        calls.push_back("restart");
        bRestart = false;
    }
    void beginScene() override { calls.push_back("begin"); }
    void takeRequestedScreenshot(Context*) override { calls.push_back("screenshot"); }
    void drawHud() override { calls.push_back("hud"); }
    void endScene() override { calls.push_back("end"); }
    bool bRestart = false;

private:
    KeyNameTable keyNames;
    Calls& calls;
};

/// A test engine with a recording root context and, when asked, recording media.
struct RecordingEngine : TestEngine {
    explicit RecordingEngine(bool bFixedStep = false, double start = 0.0, Calls* pMediaCalls = nullptr)
        : TestEngine(bFixedStep, start,
                     pMediaCalls ? MediaFactory([pMediaCalls] { return std::make_unique<RecordingMedia>(*pMediaCalls); })
                                 : MediaFactory()) {
        root.pClock = pClock;
    }
    RecordingMedia& media() const { return *static_cast<RecordingMedia*>(vek->getMedia()); }
    StepRecorder root;
};

}  // namespace

TEST(Vek, PublishesItselfAndSeedsTheRandomGeneratorInWholeSeconds) {
    {
        RecordingEngine engine(false, 1234.75);
        EXPECT_EQ(Vek::get(), engine.vek.get());
        EXPECT_EQ(gameRandom.getState(), 1234u);
        EXPECT_TRUE(engine.vek->bRelease);
    }
    EXPECT_EQ(Vek::get(), nullptr);
    // A fixed-step run starts its own clock at 0, so every such run draws the same numbers.
    TempDataHome home;
    gameRandom.setSeed(99);
    Vek::Options fixed;
    fixed.bFixedStep = true;
    const Vek vek(std::move(fixed));
    EXPECT_EQ(gameRandom.getState(), 0u);
}

TEST(Vek, ModeChangesStepOneAtATimeEveryLiveObjectHearsEachAndOnlyRunningFramesTick) {
    RecordingEngine engine;
    Vek& vek = *engine.vek;
    std::vector<Step> first, second;
    ModeListener a(first), b(second);
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
        {true, false, VekMode::Running, {{VekMode::Paused, VekMode::Running}}},
    };
    for (const Case& c : cases) {
        first.clear();
        second.clear();
        vek.setWindowActive(c.bActive);
        vek.setDeviceLost(c.bDeviceLost);
        vek.frame(&engine.root);
        EXPECT_EQ(vek.getMode(), c.mode);
        EXPECT_EQ(first, c.steps);
        EXPECT_EQ(second, c.steps);
    }
    EXPECT_EQ(engine.root.steps.size(), 3u);
    EXPECT_EQ(vek.renderedFrames, 3);
    // The paused frames' time is not handed on to the contexts.
    EXPECT_NEAR(engine.root.steps.back(), 1.0 / 30.0, 1e-9);
}

TEST(Vek, ContextsAdvanceByTheMeasuredFrameTimeCappedAtAFiftieth) {
    RecordingEngine engine;
    StepRecorder& root = engine.root;
    // Work done inside each frame (seconds), and the step the following frame must see.
    const std::pair<double, double> frames[] = {
        {0.0, 1.0 / 30.0},   // an idle frame lasts exactly its paced period
        {0.01, 1.0 / 30.0},  // short work is absorbed by the pacing
        {0.04, 0.04},        // overran the period: the frame took as long as the work
        {0.2, 0.05},         // a stall: capped
        {3.0, 0.05},
    };
    engine.vek->frame(&root);
    for (const auto& [work, expected] : frames) {
        root.workSeconds = work;
        engine.vek->frame(&root);
        root.workSeconds = 0.0;
        engine.vek->frame(&root);
        EXPECT_NEAR(root.steps.back(), expected, 1e-9) << "work " << work;
    }
}

TEST(Vek, FixedStepAdvancesExactlyOneTickStepAndStateDelaysTakeWholeFrames) {
    RecordingEngine engine(true);
    engine.root.workSeconds = 0.3;  // even slow frames advance one step
    for (int i = 0; i < 90; ++i) engine.vek->frame(&engine.root);
    for (double step : engine.root.steps) EXPECT_EQ(step, engine.vek->tickStep);
    EXPECT_NEAR(engine.root.lastT, 3.0, 1e-9);
    EXPECT_NEAR(engine.vek->globalClock, 3.0, 1e-9);

    // Delay in seconds, and the frame on which the state is entered, at 30 ticks per second.
    const std::pair<double, int> delays[] = {{0.0, 0}, {1.0 / 30.0, 1}, {2.0 / 30.0, 2}, {0.25, 8}, {0.99, 30}};
    for (const auto& [delay, expectedFrame] : delays) {
        auto* actor = new VekBase;
        engine.root.addChild(actor);
        actor->setState(7, delay);
        int frame = 0;
        for (; actor->getState() != 7 && frame < 100; ++frame) engine.vek->frame(&engine.root);
        EXPECT_EQ(frame, expectedFrame) << "delay " << delay;
    }
}

TEST(Vek, MeasuresTheFrameRateAndTimesEveryPhaseOfTheFrame) {
    RecordingEngine engine;
    Vek& vek = *engine.vek;
    for (int i = 0; i < 30; ++i) vek.frame(nullptr);
    EXPECT_NEAR(vek.measuredFrameRate, 30.0, 1e-6);
    engine.root.workSeconds = 0.1;
    for (int i = 0; i < 10; ++i) vek.frame(&engine.root);
    EXPECT_NEAR(vek.measuredFrameRate, 10.0, 1e-6);

    engine.root.workSeconds = 0.01;
    vek.frame(&engine.root);
    const auto& times = vek.getLastFrameTimes();
    EXPECT_NEAR(times[static_cast<std::size_t>(Vek::Phase::Tick)], 0.01, 1e-9);
    EXPECT_NEAR(times[static_cast<std::size_t>(Vek::Phase::TimerWait)], 1.0 / 30.0 - 0.01, 1e-9);
    double sum = 0.0;
    for (double each : times) sum += each;
    EXPECT_NEAR(sum, 1.0 / 30.0, 1e-9);  // the phases cover the whole frame
}

TEST(Vek, RenderHalfRunsInOrderAndARestartPassesThroughTheFrozenMode) {
    Calls calls;
    RecordingEngine engine(true, 0.0, &calls);
    engine.root.pCalls = &calls;
    std::vector<Step> heard;
    ModeListener listener(heard);
    const Calls drawn = {"input", "begin", "render", "screenshot", "hud", "end"};
    engine.vek->frame(&engine.root);
    EXPECT_EQ(calls, drawn);

    calls.clear();
    engine.media().bRestart = true;
    engine.vek->frame(&engine.root);  // down to frozen, restarted there; nothing drawn
    EXPECT_EQ(engine.vek->getMode(), VekMode::Frozen);
    EXPECT_EQ(calls, Calls{"restart"});
    EXPECT_EQ(heard.size(), 2u);

    calls.clear();
    engine.vek->frame(&engine.root);  // back up to running and drawing again
    EXPECT_EQ(engine.vek->getMode(), VekMode::Running);
    EXPECT_EQ(calls, drawn);
    EXPECT_EQ(heard.size(), 4u);
}

namespace {

std::filesystem::path userFile(const TempDataHome& home, const char* name) {
    return home.path() / "ZV2rmBrumedemo" / "3.07" / name;
}

/// An engine that reads the user settings of `text` (none when null).
std::unique_ptr<Vek> engineWithSettings(const TempDataHome& home, const char* text) {
    if (text) {
        std::filesystem::create_directories(userFile(home, ""));
        writeText(userFile(home, "ZV2rmBrumedemo.ini"), text);
    }
    Vek::Options options;
    options.pClock = std::make_unique<platform::FixedStepClock>();
    return std::make_unique<Vek>(std::move(options));
}

}  // namespace

TEST(VekSettings, DevelopmentModeOnlyWithTheAccessCode) {
    struct Case {
        const char* settings;
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
        const auto vek = engineWithSettings(home, c.settings);
        EXPECT_EQ(vek->bRelease, c.bRelease) << c.settings;
        EXPECT_EQ(vek->debugLevel, c.debugLevel) << c.settings;
    }
}

TEST(VekSettings, BadKeysGetDefaultsThatAreSavedAtShutDownAndARebuiltEngineContinuesTheLog) {
    TempDataHome home;
    auto vek = engineWithSettings(home, "[Vek]\nframesPerSecond=0\nbEnableDelayedLoad=maybe\ndefaultLanguage=5\n");
    EXPECT_EQ(vek->framesPerSecond, 30);
    EXPECT_TRUE(vek->bEnableDelayedLoad);
    EXPECT_EQ(vek->defaultLanguage, 5);
    vek->defaultLanguage = -1;  // the language screen asks again after the restart
    vek.reset();
    const std::string saved = readText(userFile(home, "ZV2rmBrumedemo.ini"));
    for (const char* line : {"[Vek]", "defaultLanguage=-1", "bEnableDelayedLoad=", "debugLevel=0", "debugCode=",
                             "framesPerSecond=30"})
        EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
    EXPECT_EQ(engineWithSettings(home, nullptr)->defaultLanguage, -1);

    const std::string log = readText(userFile(home, "ZV2rmBrumedemo.log"));
    std::size_t created = 0;
    for (std::size_t at = log.find("Engine created"); at != std::string::npos; at = log.find("Engine created", at + 1))
        ++created;
    EXPECT_EQ(created, 2u);
}
