#include "media/VekMedia.h"
#include <gtest/gtest.h>
#include <vector>
#include "EngineTestSupport.h"
#include "core/UserSettings.h"
#include "core/Vek.h"
#include "core/VekBase.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "platform/PlatformWindow.h"

namespace {

class ModeListener : public VekBase {
public:
    explicit ModeListener(std::vector<int>& heard) : heard(heard) {}
    void onInputModeChange(int mode) override { heard.push_back(mode); }

private:
    std::vector<int>& heard;
};

}  // namespace

TEST(VekMedia, EveryLiveObjectHearsAnInputModeChange) {
    std::string error;
    auto window = platform::PlatformWindow::open("media test", 640, 480, error);
    ASSERT_TRUE(window) << error;
    TestEngine engine(true, 0.0, [&window] {
        // The window as opened: a fresh user-data folder would ask for full screen.
        UserSettings& settings = Vek::get()->getUserSettings();
        settings.setBool(VekGraphics::SETTINGS_SECTION, VekGraphics::FULL_SCREEN_KEY, false);
        return std::make_unique<VekMedia>(*window);
    });
    ASSERT_NE(VekMedia::get(), nullptr);

    std::vector<int> heard;
    VekBase container;
    container.addChild(new ModeListener(heard));
    ModeListener loose(heard);
    VekInput& input = VekMedia::get()->getInput();
    input.setInputMode(INPUTMODE_TOUCH);
    input.setInputMode(INPUTMODE_TOUCH);  // no change, nobody told
    input.setInputMode(INPUTMODE_MOUSE);
    EXPECT_EQ(heard, (std::vector<int>{INPUTMODE_TOUCH, INPUTMODE_TOUCH, INPUTMODE_MOUSE, INPUTMODE_MOUSE}));
}
