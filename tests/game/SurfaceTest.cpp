#include "game/Surface.h"
#include <gtest/gtest.h>
#include "FileTestSupport.h"
#include "GameTestSupport.h"
#include "game/SurfaceChain.h"
#include "media/Texture.h"

namespace {

/// A texture made in memory with one frame per size.
struct SurfaceFixture {
    GraphicsFixture graphics;
    std::unique_ptr<Texture> texture;

    explicit SurfaceFixture(const std::vector<std::pair<int, int>>& sizes) {
        std::vector<Texture::Frame> frames;
        float x = 0.f;
        int height = 1;
        for (const auto& [w, h] : sizes) {
            frames.push_back({Rect{x, 0.f, x + static_cast<float>(w), static_cast<float>(h)}, {}});
            x += static_cast<float>(w);
            height = std::max(height, h);
        }
        texture = std::make_unique<Texture>(*graphics.graphics, MemoryImageFile(static_cast<int>(x), height),
                                            frames, 0);
    }
};

} // namespace

TEST(Surface, HalvesTheFrameAndMovesTheSkinByTheEvenHalf) {
    struct Case {
        int pixelsW, pixelsH, width, height, moveX, moveY;
    };
    const Case cases[] = {{64, 48, 32, 24, 32, 24}, {37, 30, 18, 15, 18, 14}, {1, 3, 0, 1, 0, 0}};
    for (const Case& c : cases) {
        SurfaceFixture f({{c.pixelsW, c.pixelsH}});
        Surface surface(f.texture.get(), 0);
        EXPECT_EQ(surface.width, c.width);
        EXPECT_EQ(surface.height, c.height);
        EXPECT_EQ(surface.hotspotX, c.width / 2);
        EXPECT_EQ(surface.hotspotY, c.height / 2);
        EXPECT_FLOAT_EQ(f.texture->skins[0]->origin.x, static_cast<float>(-c.moveX)) << c.pixelsW;
        EXPECT_FLOAT_EQ(f.texture->skins[0]->origin.y, static_cast<float>(c.moveY)) << c.pixelsH;
        EXPECT_EQ(surface.next, &surface);
        EXPECT_EQ(surface.renderable.getSkin(), f.texture->skins[0]);
    }
}

TEST(Surface, PlacesItsHotSpotLikeANumericKeypadDrawsAtTheCentredScreenPointAndHasAScaledBoundingCircle) {
    SurfaceFixture f({{64, 48}});
    Surface surface(f.texture.get(), 0);  // 32 x 24 world units
    const std::tuple<int, int, int> anchors[] = {{0, 0, 0}, {1, 0, 24},  {2, 16, 24}, {3, 32, 24}, {4, 0, 12},
                                                 {5, 16, 12}, {6, 32, 12}, {7, 0, 0},  {8, 16, 0},  {9, 32, 0}};
    for (const auto& [code, x, y] : anchors) {
        surface.setAnchor(code);
        EXPECT_EQ(surface.hotspotX, x) << code;
        EXPECT_EQ(surface.hotspotY, y) << code;
    }
    surface.setAnchor(5);
    surface.setScreenPosition(100.0, 100.0);
    EXPECT_FLOAT_EQ(surface.renderable.position.x, -236.f);
    EXPECT_FLOAT_EQ(surface.renderable.position.y, 152.f);
    double cx = 0, cy = 0, r = 0;
    surface.getBoundingCircle(100.0, 100.0, cx, cy, r);
    EXPECT_EQ(std::make_tuple(cx, cy, r), std::make_tuple(100.0, 100.0, 16.0));
    surface.radiusFactor = 0.75;
    surface.getBoundingCircle(100.0, 100.0, cx, cy, r);
    EXPECT_DOUBLE_EQ(r, 12.0);
}

TEST(SurfaceChain, LinksFramesByMode) {
    SurfaceFixture f({{2, 2}, {2, 2}, {2, 2}, {2, 2}});
    SurfaceChain chain(f.texture.get());
    ASSERT_EQ(chain.count, 4);
    chain.linkFrames(0, 1);
    EXPECT_EQ(chain.getSurf(0)->next, chain.getSurf(0));
    EXPECT_EQ(chain.getSurf(1)->next, chain.getSurf(2));
    EXPECT_EQ(chain.getSurf(2)->next, chain.getSurf(3));
    EXPECT_EQ(chain.getSurf(3)->next, nullptr);
    chain.linkFrames(2, 0);
    EXPECT_EQ(chain.getSurf(0)->next, chain.getSurf(1));
    EXPECT_EQ(chain.getSurf(3)->next, chain.getSurf(0));
    chain.linkFrames(1, 2);
    EXPECT_EQ(chain.getSurf(3)->next, chain.getSurf(3));
    chain.setRadiusFactor(0.5);
    for (const Surface* frame : chain.surfaces)
        EXPECT_EQ(frame->radiusFactor, 0.5);

    SurfaceFixture single({{2, 2}});
    SurfaceChain one(single.texture.get());
    one.linkFrames(2, 0);
    EXPECT_EQ(one.getSurf(0)->next, one.getSurf(0));
}

TEST(SurfaceChainDeathTest, AFrameOutsideTheChainIsFatal) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            SurfaceFixture f({{2, 2}, {2, 2}, {2, 2}, {2, 2}});
            SurfaceChain chain(f.texture.get());
            chain.getSurf(4);
        },
        testing::ExitedWithCode(1), literalPattern("Requested surface at index 4, only 0-3 present"));
}
