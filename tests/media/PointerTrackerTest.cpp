#include "media/PointerTracker.h"
#include <gtest/gtest.h>
#include "EngineTestSupport.h"
#include "core/MediaServices.h"
#include "core/UserSettings.h"
#include "core/Vek.h"
#include "media/VekGraphics.h"
#include "media/VekInput.h"
#include "media/VekMedia.h"
#include "platform/PlatformWindow.h"
#include "platform/ScriptedInput.h"

namespace {

// Media whose pointer the test places directly, in screen units.
class FakeMedia : public MediaServices {
public:
    explicit FakeMedia(ScreenPointer& shared) : screen(shared) {}
    void beginFrame() override {}
    void followPointer(Context* root) override { tracker.follow(root); }
    void trackPointer(Context* root) override { tracker.update(root); }
    ScreenPointer getScreenPointer() const override { return screen; }
    KeyNameTable& getKeyNames() override { return keyNames; }

    ScreenPointer& screen;
    PointerTracker tracker;
    KeyNameTable keyNames;
};

// A screen with one target: the object counts as under the pointer right of x = 0.
class TargetScreen : public Context {
public:
    VekBase* findObjectUnderPointer(const Point& point) override { return point.x > 0.f ? pTarget : nullptr; }
    VekBase* pTarget = nullptr;
};

// A stack whose top is its last child, as the game's context stack does it.
class Stack : public Context {
public:
    Context* getTopContext() override { return pTop; }
    void tickContents(double t, double dt) override { pTop->tickContext(t, dt); }
    Context* pTop = nullptr;
};

// Notes where the tracker stands whenever a contact goes down as it ticks, as a menu item reads it.
class PressWatcher : public VekBase {
public:
    void tick(double t, double dt) override {
        VekBase::tick(t, dt);
        VekMedia& media = *VekMedia::get();
        if (media.getInput().isAnyTouchPressed()) seen.push_back(media.getPointerTracker().position);
    }
    std::vector<Context::Point> seen;
};

}  // namespace

TEST(PointerTracker, FollowsTheTopScreenThroughItsCamera) {
    MediaServices::ScreenPointer screen{480.f, 240.f, 640.f, 480.f};
    TestEngine test(true, 0.0, [&] { return std::make_unique<FakeMedia>(screen); });
    Vek& engine = *test.vek;
    auto* media = static_cast<FakeMedia*>(engine.getMedia());
    ASSERT_TRUE(media);

    Stack stack;
    auto* top = new TargetScreen;
    top->pTarget = new VekBase;
    top->addChild(top->pTarget);
    stack.addChild(top);
    stack.pTop = top;
    top->camera.setPosition(-1000.f, 0.f);

    engine.frame(&stack);
    EXPECT_FLOAT_EQ(top->pointer.x, -840.f);  // 480 of 640 screen units right of the view's left edge
    EXPECT_FLOAT_EQ(media->tracker.position.x, -840.f);
    EXPECT_FLOAT_EQ(media->tracker.position.y, 0.f);
    EXPECT_EQ(media->tracker.getHover(), nullptr);

    top->camera.setPosition(0.f, 0.f);
    engine.frame(&stack);
    EXPECT_EQ(media->tracker.getHover(), top->pTarget);

    top->pTarget->destroy();  // a hovered object that dies is forgotten, never dangling
    EXPECT_EQ(media->tracker.getHover(), nullptr);

    screen.x = 100.f;
    engine.frame(&stack);
    EXPECT_EQ(media->tracker.getHover(), nullptr);
    media->tracker.setHover(top);
    media->tracker.setHover(nullptr);
    EXPECT_EQ(media->tracker.getHover(), nullptr);
    media->tracker.update(nullptr);
    EXPECT_EQ(media->tracker.getHover(), nullptr);
}

TEST(PointerTracker, APressSeesThePointerOfItsOwnFrameFromTheMouseOrAFinger) {
    enum class Press { Mouse, Finger, SecondFinger };
    for (const auto& [name, press] : {std::pair{"the mouse moved and pressed at once", Press::Mouse},
                                      {"a finger tapped away from the mouse", Press::Finger},
                                      {"a second finger tapped beside one that rests", Press::SecondFinger}}) {
        SCOPED_TRACE(name);
        std::string error;
        auto window = platform::PlatformWindow::open("pointer test", 640, 480, error);
        ASSERT_TRUE(window) << error;
        auto* script = new platform::ScriptedInput;
        TestEngine test(true, 0.0, [&] {
            UserSettings& settings = Vek::get()->getUserSettings();
            settings.setBool(VekGraphics::SETTINGS_SECTION, VekGraphics::FULL_SCREEN_KEY, false);
            VekMedia::Options options{std::unique_ptr<platform::InputSource>(script)};
            options.bSilent = true;
            return std::make_unique<VekMedia>(*window, std::move(options));
        });
        Stack stack;
        stack.pTop = new Context;
        stack.addChild(stack.pTop);
        auto* watcher = new PressWatcher;
        stack.pTop->addChild(watcher);
        script->next.mouseX = script->next.mouseY = 100.f;  // where the pointer rests
        const platform::TouchContact resting{1, 50.f, 400.f, true};
        if (press == Press::SecondFinger) script->next.touches = {resting};
        test.vek->frame(&stack);
        watcher->seen.clear();
        if (press == Press::Finger) {
            script->next.touches = {{1, 480.f, 120.f, true}};
        } else if (press == Press::SecondFinger) {
            script->next.touches = {resting, {2, 480.f, 120.f, true}};
        } else {
            script->next.mouseX = 480.f;
            script->next.mouseY = 120.f;
            script->next.mouseButtons[0] = true;
        }
        test.vek->frame(&stack);
        ASSERT_EQ(watcher->seen.size(), 1u);
        EXPECT_FLOAT_EQ(watcher->seen[0].x, 160.f);  // 480 of 640 pixels: 160 right of the middle
        EXPECT_FLOAT_EQ(watcher->seen[0].y, 120.f);  // 120 pixels down of 480: 120 above it
    }
}
