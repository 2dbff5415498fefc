#include <gtest/gtest.h>
#include "MenuTestSupport.h"
#include "menus/ContextCredits.h"
#include "menus/ContextCreditsMenu.h"
#include "menus/Label.h"
#include "core/Rect.h"

TEST(ContextCredits, LinesFadeInAboveTheBottomAndOutBelowTheTop) {
    // A 480-unit screen: bottom -240, top 240.
    const std::pair<float, int> cases[] = {{-300.f, 0},  {-208.f, 0}, {-144.f, 127}, {0.f, 255},
                                           {176.f, 127}, {240.f, 0},  {400.f, 0}};
    for (const auto& [y, opacity] : cases)
        EXPECT_EQ(ContextCredits::opacityAt(y, -240.f, 240.f), opacity) << y;
}

TEST(ContextCredits, ShowsTheScreenInItsOwnUnitsOnEveryLayoutSoThatNarrowedLinesStayOnIt) {
    MenuRig rig;
    for (const auto& [w, h] : LAYOUT_SHAPES) {
        rig.useScreen(w, h);
        ContextCredits credits;
        Rect visible;
        credits.camera.getVisibleRect(visible, 0.f);
        const float halfW = 0.5f * static_cast<float>(w), halfH = 0.5f * static_cast<float>(h);
        EXPECT_NEAR(visible.left, -halfW, 0.01f) << w << "x" << h;
        EXPECT_NEAR(visible.right, halfW, 0.01f) << w << "x" << h;
        EXPECT_NEAR(visible.bottom, -halfH, 0.01f) << w << "x" << h;
        EXPECT_NEAR(visible.top, halfH, 0.01f) << w << "x" << h;
        EXPECT_NEAR(credits.nextY - visible.bottom, 32.f, 0.01f) << "the first line's start at " << w << "x" << h;
    }
}

TEST(ContextCreditsMenu, DrivesItsScrollingListFromTheBottomUpAndLeavesNothingBehind) {
    MenuRig rig;
    auto* menu = new ContextCreditsMenu();
    rig.stack->addContext(menu);
    VekBase* lines = menu->credits->lines;
    const auto* first = static_cast<Label*>(lines->getChildren().getHead());
    EXPECT_FLOAT_EQ(first->position.y, -208.f);
    for (int frame = 0; frame < 192; ++frame) // 6.4 s: 128 units
        rig.tickStack();
    EXPECT_NEAR(first->position.y, -80.f, 0.01f);
    EXPECT_EQ(first->color >> 24, 255u);
    for (int frame = 0; frame < 30 * 40; ++frame) // long enough for every line to leave
        rig.tickStack();
    EXPECT_TRUE(lines->getChildren().isEmpty());
}
