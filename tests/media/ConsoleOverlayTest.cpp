#include "media/ConsoleOverlay.h"
#include <gtest/gtest.h>
#include "GraphicsTestSupport.h"
#include "core/Format.h"
#include "media/FontGDI.h"

namespace {

std::deque<WideString> consoleOf(int count) {
    std::deque<WideString> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(stringf(u"line %d", i));
    return lines;
}

} // namespace

TEST(ConsoleOverlay, ShowsTheConsoleInDevelopmentAndTimesWithADebugLevel) {
    ConsoleOverlay::Status status;
    status.frameRate = 29.96;
    status.totalTimes = {0.010, 0.0, 0.020, 0.001, 0.002, 0.050, 0.0};
    status.frames = 2;
    EXPECT_TRUE(ConsoleOverlay::composeLines(status, consoleOf(3)).empty()); // release, level 0

    status.bDevelopment = true;
    EXPECT_EQ(ConsoleOverlay::composeLines(status, consoleOf(3)),
              (std::vector<WideString>{u"line 1", u"line 2", u"line 3"}));
    const std::vector<WideString> newest = ConsoleOverlay::composeLines(status, consoleOf(20));
    ASSERT_EQ(newest.size(), ConsoleOverlay::CONSOLE_LINES);
    EXPECT_EQ(newest.front(), u"line 13");
    EXPECT_EQ(newest.back(), u"line 20");

    status.bDevelopment = false;
    status.debugLevel = 1;
    EXPECT_EQ(ConsoleOverlay::composeLines(status, consoleOf(3)),
              (std::vector<WideString>{u"30.0 fps",
                                       u"tick 5.00  console 0.00  render 10.00  hud 0.50  present 1.00  "
                                       u"timerwait 25.00  misc 0.00 ms"}));
    status.frames = 0; // before the first frame: no division by zero
    EXPECT_EQ(ConsoleOverlay::composeLines(status, {})[1].substr(0, 9), u"tick 0.00");
}

TEST(ConsoleOverlay, DrawsItsLinesInTheTopLeftCorner) {
    GraphicsFixture screen;
    FontGDI font(ConsoleOverlay::FONT_SIZE);
    if (!font.isReady()) GTEST_SKIP() << "no typeface installed";
    ConsoleOverlay overlay(font);
    screen.graphics->beginScene();
    screen.graphics->clear(0xFF000000);
    overlay.draw(*screen.graphics, {u"Engine created.", u"Mode running."});
    screen.graphics->endScene();
    const MemoryImageFile image = screen.capture();
    auto litIn = [&](int x0, int y0, int x1, int y1) {
        int lit = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                lit += (image.at(x, y) & 0xFF) > 0x80;
        return lit;
    };
    const int lineHeight = font.getLineHeight();
    EXPECT_GT(litIn(0, 0, 120, lineHeight + 4), 20);                  // first line
    EXPECT_GT(litIn(0, lineHeight + 4, 120, 2 * lineHeight + 4), 20); // second line
    EXPECT_EQ(litIn(0, 3 * lineHeight, 640, 480), 0);                 // nothing below
    EXPECT_EQ(litIn(200, 0, 640, 480), 0);
}
