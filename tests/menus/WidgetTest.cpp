#include <gtest/gtest.h>
#include "MenuTestSupport.h"
#include "game/ProgressBar.h"
#include "game/TransitionOverlay.h"
#include "media/Quad.h"
#include "menus/ContextLogo.h"
#include "menus/Label.h"
#include "menus/MenuLogo.h"
#include "menus/TextBox.h"
#include "menus/TimedImage.h"
#include "media/FontQuad.h"

TEST(TimedImage, WaitsForItsDelayShowsForItsDurationFadingInAndOutAndThenLeaves) {
    TimedImage image;
    image.delay = 1.0;
    image.duration = 2.0;
    image.fadeIn = 0.5;
    image.fadeOut = 0.5;
    image.removeWhenDone = true;
    // Seconds ticked, and the alpha and age after the tick; the delay runs out on the fourth.
    const std::tuple<double, uint32_t, double> steps[] = {{0.75, 255, 0.0}, {0.25, 255, 0.0},  {0.25, 127, 0.25},
                                                          {0.25, 255, 0.5}, {1.0, 255, 1.5},  {0.25, 127, 1.75}};
    for (const auto& [dt, alpha, age] : steps) {
        image.tick(0.0, dt);
        EXPECT_EQ(image.color >> 24, alpha) << image.age;
        EXPECT_DOUBLE_EQ(image.age, age);
    }
    EXPECT_FALSE(image.isDead());
    image.tick(0.0, 0.25);
    EXPECT_TRUE(image.isDead());
}

TEST(TransitionOverlay, MovesTowardsItsTargetAtHalfALevelPerSecondWithoutOvershooting) {
    TransitionOverlay overlay;
    overlay.target = 1.f;
    for (const auto& [seconds, level] : {std::pair{1.0, 0.5f}, {1.5, 1.f}, {1.0, 1.f}}) {
        overlay.tick(0.0, seconds);
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

namespace {

/// A font whose glyphs are 8-pixel-wide frames for the codes from "!" on, spaces 3 wide.
std::unique_ptr<FontQuad> makeFont(MenuFixture& f) {
    Texture* page = f.addTexture(u"testFontPage", 94);
    auto font = std::make_unique<FontQuad>();
    font->missingGlyphAdvance = 3;
    font->glyphSpacing = 0;
    font->addSourceTexture(page, 33, false);
    return font;
}

} // namespace

TEST(Label, FadesInNarrowsButNeverWidensAndLeavesItsParentAfterItsDuration) {
    MenuFixture f;
    auto font = makeFont(f);
    VekBase parent;
    auto* label = new Label(0.f, 0.f, 0.f, u"ABCD", font.get(), 0xFFFFFFFF);
    label->fadeIn = 0.5;
    label->duration = 2.0;
    label->removeWhenDone = true;
    parent.addChild(label);
    parent.tick(0.0, 0.25);
    EXPECT_EQ(label->color >> 24, 127u);
    label->fitWidth(100);
    EXPECT_FLOAT_EQ(label->scale.x, 1.f);
    label->fitWidth(16);
    EXPECT_FLOAT_EQ(label->scale.x, 16.f / font->measureText(u"ABCD", label->textFlags).width);
    for (int i = 0; i < 6; ++i) parent.tick(0.0, 0.25);
    EXPECT_DOUBLE_EQ(label->age, 1.75);
    parent.tick(0.0, 0.25);  // reaches its duration and marks itself
    parent.tick(0.0, 0.25);  // the parent's walk deletes it
    EXPECT_TRUE(parent.getChildren().isEmpty());
}

TEST(TextBox, MakesOneLabelPerSegmentAndLeavesWhenTheyAreGone) {
    MenuFixture f;
    auto font = makeFont(f);
    Label model(10.f, 20.f, 0.f, u"AAAA BBBB|^FF0000CC", font.get(), 0xFF00FF00);
    model.removeWhenDone = true;
    model.duration = 1.0;
    auto* box = new TextBox(model, 40);
    VekBase parent;
    parent.addChild(box);
    EXPECT_EQ(box->getChildren().count(), 3u); // "AAAA", "BBBB" wrapped, "CC" in red
    EXPECT_FLOAT_EQ(box->position.x, 10.f);
    const auto* red = static_cast<const Label*>(box->getChildren().getTail());
    EXPECT_EQ(red->text, u"CC");
    EXPECT_EQ(red->color, 0xFFFF0000u);
    EXPECT_EQ(red->textFlags, 3);
    for (int i = 0; i < 4 && !parent.getChildren().isEmpty(); ++i)
        parent.tick(0.0, 0.75);
    EXPECT_TRUE(parent.getChildren().isEmpty());
}

TEST(MenuLogo, TheOverlayUnfoldsHoldsAndFoldsWithAlternatingFrames) {
    MenuFixture f;
    Texture* logoTexture = f.addTexture(u"logo", 3);
    MenuLogo logo;
    EXPECT_TRUE(logo.removeWhenDone);
    EXPECT_EQ(logo.getState(), 1);
    EXPECT_EQ(logo.mainPart->getSkin(), logoTexture->skins[0]);
    EXPECT_FLOAT_EQ(logo.overlay->position.y, -130.f);
    const struct {
        double dt;
        int state;
        int frame;
        float scale;
    } steps[] = {
        {2.0, 2, 1, 0.f}, {0.5, 2, 1, 0.75f}, {1.0, 2, 1, 1.f}, {2.0, 2, 1, 0.75f}, {0.5, 3, 2, 0.f}};
    for (const auto& step : steps) {
        logo.tick(0.0, step.dt);
        EXPECT_EQ(logo.getState(), step.state);
        EXPECT_EQ(logo.overlay->getSkin(), logoTexture->skins[static_cast<std::size_t>(step.frame)]);
        EXPECT_FLOAT_EQ(logo.overlay->scale.y, step.scale) << logo.getTimeInState();
    }
}
