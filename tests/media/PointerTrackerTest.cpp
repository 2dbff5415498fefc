#include "media/PointerTracker.h"
#include <gtest/gtest.h>
#include "EngineTestSupport.h"
#include "core/MediaServices.h"
#include "core/Vek.h"

namespace {

// Media whose pointer the test places directly, in screen units.
class FakeMedia : public MediaServices {
public:
    explicit FakeMedia(ScreenPointer& shared) : screen(shared) {}
    void beginFrame() override {}
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
