#include <gtest/gtest.h>
#include "MenuTestSupport.h"
#include "game/ProgressBar.h"
#include "game/TransitionOverlay.h"
#include "media/Quad.h"
#include "menus/ContextLogo.h"
#include "menus/TimedImage.h"

TEST(TimedImage, WaitsForItsDelayShowsForItsDurationAndThenLeaves) {
    TimedImage image;
    image.delay = 1.0;
    image.duration = 2.0;
    image.removeWhenDone = true;
    const double dt = 0.25;
    int hiddenTicks = 0;
    int shownTicks = 0;
    for (int i = 0; i < 16 && !image.isDead(); ++i) {
        image.tick(0.0, dt);
        (image.delay > 0.0 ? hiddenTicks : shownTicks) += 1;
    }
    EXPECT_EQ(hiddenTicks, 3); // the fourth tick ends the delay
    EXPECT_TRUE(image.isDead());
    EXPECT_DOUBLE_EQ(image.age, 2.0);
}

TEST(TimedImage, FadesInAndOut) {
    TimedImage image;
    image.duration = 2.0;
    image.fadeIn = 0.5;
    image.fadeOut = 0.5;
    const std::pair<double, uint32_t> alphaAfter[] = {{0.25, 127}, {0.25, 255}, {1.0, 255}, {0.25, 127}};
    for (const auto& [dt, alpha] : alphaAfter) {
        image.tick(0.0, dt);
        EXPECT_EQ(image.color >> 24, alpha) << image.age;
    }
    EXPECT_FALSE(image.isDead());
}

TEST(TransitionOverlay, MovesTowardsItsTargetAtHalfALevelPerSecondWithoutOvershooting) {
    TransitionOverlay overlay;
    overlay.target = 1.f;
    const float expected[] = {0.5f, 1.f, 1.f};
    for (float level : expected) {
        overlay.tick(0.0, 1.0);
        EXPECT_FLOAT_EQ(overlay.level, level);
    }
    overlay.target = 0.f;
    overlay.tick(0.0, 5.0);
    EXPECT_FLOAT_EQ(overlay.level, 0.f);
}

TEST(ProgressBar, TheFillGrowsFromTheLeftAndIsClamped) {
    MenuFixture f;
    Texture* texture = f.addTexture(u"bar", 2, 100, 10);
    ProgressBar bar(texture, 0, 1);
    EXPECT_FLOAT_EQ(bar.getFillQuad().width, 0.f);
    const std::pair<float, float> cases[] = {{0.25f, 25.f}, {1.5f, 100.f}, {-1.f, 0.f}};
    for (const auto& [p, width] : cases) {
        bar.setProgress(p);
        EXPECT_FLOAT_EQ(bar.getFillQuad().width, width) << p;
        EXPECT_FLOAT_EQ(bar.getFillQuad().getSource().left, 100.f);
        EXPECT_FLOAT_EQ(bar.getFillQuad().getSource().right, 100.f + width);
    }
    EXPECT_EQ(bar.getFillQuad().getAnchor(), Quad::LEFT_EDGE);
}

TEST(ContextLogo, ClosesAfterItsLifetimeOrAtOnceOnFire) {
    MenuFixture f;
    f.addTexture(u"kelvoro", 1);
    f.addTexture(u"mousePointer", 1);
    auto* logo = new ContextLogo();
    logo->tickContext(0.0, 3.4);
    EXPECT_FALSE(logo->closed);
    logo->tickContext(0.0, 0.1);
    EXPECT_TRUE(logo->closed);
    EXPECT_TRUE(logo->closeOnFire);
    EXPECT_TRUE(logo->deleteWhenClosed);
    EXPECT_EQ(logo->clearColor, 0xFF000000u);
    logo->destroy();
}
