#include "core/MessageLoop.h"
#include <gtest/gtest.h>
#include "TempDataHome.h"
#include "core/Context.h"
#include "core/EngineLifecycle.h"
#include "core/Vek.h"
#include "platform/PlatformWindow.h"

namespace {

/// A game that asks to quit after a number of frames.
class QuittingGame : public GameRoot {
public:
    QuittingGame(int framesToRun, int& framesRun, bool& bDeleted)
        : framesToRun(framesToRun), framesRun(framesRun), bDeleted(bDeleted) {}
    ~QuittingGame() override { bDeleted = true; }
    void initPreLoader() override {}
    Context* getRootContext() override {
        ++framesRun;
        return &root;
    }
    bool isQuitRequested() const override { return framesRun >= framesToRun; }
    WideString getExitUrl() const override { return u"ftp://refused.example/"; }

private:
    Context root;
    int framesToRun;
    int& framesRun;
    bool& bDeleted;
};

std::unique_ptr<platform::PlatformWindow> openWindow() {
    std::string error;
    auto window = platform::PlatformWindow::open("loop test", 50, 50, 100, 100, error);
    EXPECT_TRUE(window) << error;
    return window;
}

}  // namespace

TEST(MessageLoop, FrameLimitClosesTheWindowAndShutsDown) {
    TempDataHome home;
    auto window = openWindow();
    ASSERT_TRUE(window);
    installEngineEnvironment({nullptr, true, nullptr, nullptr});
    runMessageLoop(*window, 5);
    EXPECT_TRUE(window->isCloseRequested());
    EXPECT_EQ(Vek::get(), nullptr);
    installEngineEnvironment({});
}

TEST(MessageLoop, GameQuitEndsTheLoopAndDeletesBothRoots) {
    TempDataHome home;
    auto window = openWindow();
    ASSERT_TRUE(window);
    int framesRun = 0;
    bool bDeleted = false;
    installEngineEnvironment(
        {nullptr, true, [&] { return std::make_unique<QuittingGame>(3, framesRun, bDeleted); }, nullptr});
    runMessageLoop(*window, 0);
    EXPECT_EQ(framesRun, 3);
    EXPECT_TRUE(bDeleted);
    EXPECT_EQ(Vek::get(), nullptr);
    EXPECT_EQ(getGameRoot(), nullptr);
    installEngineEnvironment({});
}
