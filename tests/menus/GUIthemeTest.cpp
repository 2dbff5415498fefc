#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "MenuTestSupport.h"
#include "menus/GUIthemeMinimal.h"
#include "menus/GUIthemeStandard.h"
#include "menus/ThemedWidget.h"
#include "media/SlicedSkin.h"

TEST(GUItheme, StyleZeroLeavesTheWidgetAndTabsTakeTheirInsetsOnlyInTheStandardTheme) {
    MenuFixture f;
    f.addTexture(u"gui-standard-tab", 3);
    f.addTexture(u"gui-minimal-generic", 3);
    GUIthemeStandard standard;
    GUIthemeMinimal minimal;
    EXPECT_EQ(standard.insets, (std::array<int, 4>{5, 5, 5, 5}));
    EXPECT_EQ(minimal.layout, (std::array<int, 3>{10, 1, 0}));
    ThemedWidget widget;
    standard.setStyle(widget, 0);
    minimal.setStyle(widget, 0);
    EXPECT_EQ(widget.skins[0], nullptr);
    widget.insets = {3, 3, 3, 3};
    minimal.setStyle(widget, 10);
    EXPECT_EQ(widget.insets, (std::array<int, 4>{3, 3, 3, 3}));
    ASSERT_NE(widget.skins[0], nullptr);
    EXPECT_EQ(widget.getSkin(), widget.skins[0]);
    standard.setStyle(widget, 10);
    EXPECT_EQ(widget.insets, (std::array<int, 4>{10, 5, 5, 10}));
}

TEST(GUIthemeDeathTest, AnUnknownStyleIsFatalInBothThemes) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (bool bStandard : {true, false}) {
        EXPECT_EXIT(
            {
                MenuFixture f;
                ThemedWidget widget;
                if (bStandard)
                    GUIthemeStandard().setStyle(widget, 12);
                else
                    GUIthemeMinimal().setStyle(widget, 12);
            },
            testing::ExitedWithCode(1), "Error: Unhandled style");
    }
}
