#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "TempDataHome.h"
#include "core/Context.h"
#include "core/KeyCodes.h"
#include "core/MediaServices.h"
#include "core/Vek.h"
#include "platform/FixedStepClock.h"

namespace {

/// Media that writes down what the frame loop asks of it, and can ask for a device restart.
class RecordingMedia : public MediaServices {
public:
    explicit RecordingMedia(std::vector<std::string>& calls) : calls(calls) {}
    void beginFrame() override { calls.push_back("input"); }
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
    std::vector<std::string>& calls;
};

class DrawnContext : public Context {
public:
    explicit DrawnContext(std::vector<std::string>& calls) : calls(calls) {}
    void renderContents() override { calls.push_back("render"); }

private:
    std::vector<std::string>& calls;
};

class ModeListener : public VekBase {
public:
    explicit ModeListener(std::vector<std::string>& calls) : calls(calls) {}
    void onModeChange(VekMode, VekMode to) override { calls.push_back(to == VekMode::Frozen ? "frozen" : "thawing"); }

private:
    std::vector<std::string>& calls;
};

}  // namespace

TEST(VekMediaFrame, RenderHalfRunsInOrderAndARestartPassesThroughTheFrozenMode) {
    TempDataHome home;
    std::vector<std::string> calls;
    RecordingMedia* media = nullptr;
    Vek::Options options;
    options.bFixedStep = true;
    options.pClock = std::make_unique<platform::FixedStepClock>();
    options.createMedia = [&] {
        auto made = std::make_unique<RecordingMedia>(calls);
        media = made.get();
        return made;
    };
    Vek vek(std::move(options));
    DrawnContext root(calls);
    ModeListener listener(calls);

    vek.frame(&root);
    EXPECT_EQ(calls, (std::vector<std::string>{"input", "begin", "render", "screenshot", "hud", "end"}));

    calls.clear();
    media->bRestart = true;
    vek.frame(&root);  // down to frozen, restarted there; nothing drawn
    EXPECT_EQ(vek.getMode(), VekMode::Frozen);
    EXPECT_EQ(calls, (std::vector<std::string>{"thawing", "frozen", "restart"}));

    calls.clear();
    vek.frame(&root);  // back up to running and drawing again
    EXPECT_EQ(vek.getMode(), VekMode::Running);
    EXPECT_EQ(calls, (std::vector<std::string>{"thawing", "thawing", "input", "begin", "render", "screenshot", "hud",
                                               "end"}));
}
