#include <gtest/gtest.h>
#include <set>
#include "MenuTestSupport.h"
#include "core/GameRandom.h"
#include "menus/ContextSnowfall.h"
#include "menus/Snowfall.h"
#include "menus/Starfield.h"

TEST(Starfield, TilesCoverTheVisibleRectangleFromTheFloorMultiplesAndAnEmptyTileNone) {
    const Rect cases[] = {
        {-330.f, 250.f, 310.f, -230.f}, {10.f, 100.f, 20.f, 90.f}, {-64.f, 0.f, 0.f, -64.f}};
    for (const Rect& visible : cases) {
        float minX = 1e9f, minY = 1e9f, maxX = -1e9f, maxY = -1e9f;
        int count = 0;
        Starfield::forEachTile(visible, 64.f, 32.f, [&](float x, float y) {
            EXPECT_EQ(std::fmod(x, 64.f), 0.f);
            EXPECT_EQ(std::fmod(y, 32.f), 0.f);
            minX = std::min(minX, x);
            minY = std::min(minY, y);
            maxX = std::max(maxX, x + 64.f);
            maxY = std::max(maxY, y + 32.f);
            ++count;
        });
        EXPECT_LE(minX, visible.left);
        EXPECT_LE(minY, visible.bottom);
        EXPECT_GE(maxX, visible.right);
        EXPECT_GE(maxY, visible.top);
        EXPECT_GT(count, 0);
    }
    // An empty tile draws nothing instead of looping for ever.
    int count = 0;
    for (const auto& [w, h] : {std::pair{0.f, 32.f}, {64.f, 0.f}, {-1.f, 5.f}, {64.f, -1.f}, {std::nanf(""), 5.f}})
        Starfield::forEachTile({-320.f, 240.f, 320.f, -240.f}, w, h, [&](float, float) { ++count; });
    EXPECT_EQ(count, 0);
}

TEST(Snowfall, FlakesTakeTheFramesOfTheirSizeClassAndWrapAroundTheArea) {
    MenuFixture f;
    Texture* flakes = f.addTexture(u"bmp_snowflake", 30);
    gameRandom.setSeed(7);
    ContextSnowfall layer;
    Snowfall& snow = *layer.snowfall;
    std::set<int> classes;
    for (const Snowfall::Flake& flake : snow.flakes) {
        const auto frame = std::find(flakes->skins.begin(), flakes->skins.end(), flake.renderable.getSkin());
        ASSERT_NE(frame, flakes->skins.end());
        const int index = static_cast<int>(frame - flakes->skins.begin());
        const float r = flake.z / static_cast<float>(-640 / 3);
        EXPECT_EQ(index / 10, r <= 0.3f ? 0 : r <= 0.7f ? 1 : 2) << r;
        classes.insert(index / 10);
        EXPECT_GE(flake.x, -320.f);
        EXPECT_LT(flake.x, 320.f);
        EXPECT_GE(flake.y, -240.f);
        EXPECT_LT(flake.y, 240.f);
    }
    EXPECT_EQ(classes.size(), 3u);
    Snowfall::Flake& first = snow.flakes[0];
    first.y = -239.f;
    const float x = first.x;
    snow.tick(0.0, 0.5); // falls 32 units, below the area
    EXPECT_FLOAT_EQ(first.y, -271.f);
    snow.tick(0.0, 0.0);
    EXPECT_FLOAT_EQ(first.y, 209.f);
    EXPECT_FLOAT_EQ(first.x, x);
}
