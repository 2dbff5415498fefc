#include "core/Context.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "core/ContextBlender.h"

namespace {

/// Records what happens to it in a shared journal.
class JournalContext : public Context {
public:
    JournalContext(std::vector<std::string>& journal, std::string name) : journal(journal), name(std::move(name)) {}
    void tickContents(double t, double dt) override {
        journal.push_back(name + " tick");
        Context::tickContents(t, dt);
    }
    void renderContents() override { journal.push_back(name + " render"); }

private:
    std::vector<std::string>& journal;
    std::string name;
};

}  // namespace

TEST(Context, PreAndPostObjectsFrameTheContents) {
    std::vector<std::string> journal;
    JournalContext background(journal, "background");
    JournalContext snow(journal, "snow");
    JournalContext menu(journal, "menu");
    menu.pPreObject = &background;
    menu.pPostObject = &snow;
    menu.tickContext(0.0, 0.02);
    menu.renderContext();
    const std::vector<std::string> expected = {"background tick", "menu tick",   "snow tick",
                                               "background render", "menu render", "snow render"};
    EXPECT_EQ(journal, expected);
}

TEST(Context, LifetimeClosesTheContextOnceItHasPassedAndContentsTickStates) {
    Context logo, forever;
    logo.lifetime = 0.1;
    int ticks = 0;
    for (; !logo.closed && ticks < 100; ++ticks) logo.tickContext(0.0, 0.025);
    EXPECT_EQ(ticks, 4);
    EXPECT_DOUBLE_EQ(logo.contextTime, 0.1);
    auto* child = new VekBase;
    forever.addChild(child);
    child->setState(3, 0.05);
    forever.tickContext(0.0, 0.03);
    EXPECT_EQ(child->getState(), 0);
    forever.tickContext(0.0, 0.03);
    EXPECT_EQ(child->getState(), 3);
    for (int i = 0; i < 1000; ++i) forever.tickContext(0.0, 1.0);
    EXPECT_FALSE(forever.closed);
}

TEST(ContextBlender, CameraGlidesTowardsItsMotion) {
    ContextBlender blender;
    blender.camera.motionX = 100.f;
    blender.camera.motionY = -40.f;
    blender.tickContext(0.0, 0.05);
    // A fifth of the way (4 per second x 0.05 s) in the first frame, never overshooting.
    EXPECT_FLOAT_EQ(blender.camera.x, 20.f);
    EXPECT_FLOAT_EQ(blender.camera.y, -8.f);
    EXPECT_FLOAT_EQ(blender.camera.motionX, 80.f);
    float previous = blender.camera.x;
    for (int i = 0; i < 200; ++i) {
        blender.tickContext(0.0, 0.05);
        EXPECT_GE(blender.camera.x, previous);
        EXPECT_LE(blender.camera.x, 100.f);
        previous = blender.camera.x;
    }
    EXPECT_NEAR(blender.camera.x, 100.f, 1e-3f);
    EXPECT_NEAR(blender.camera.y, -40.f, 1e-3f);
    EXPECT_EQ(blender.camera.z, Camera::DEFAULT_DEPTH);

    blender.camera.motionX = 10.f;
    blender.tickContext(0.0, 1.0);  // a long frame lands exactly, no overshoot
    EXPECT_NEAR(blender.camera.x, 110.f, 1e-3f);
    EXPECT_EQ(blender.camera.motionX, 0.f);
}
