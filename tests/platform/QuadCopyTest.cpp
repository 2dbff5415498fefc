#include "platform/QuadCopy.h"
#include <gtest/gtest.h>
#include <vector>
#include "platform/RenderDevice.h"

using platform::DeviceVertex;
using platform::QuadCopy;

namespace {

// Corners clockwise from the top left of x 10..42, y 20..36, showing texels 0..32 by 0..16 of a
// 64 by 16 texture.
std::vector<DeviceVertex> upright() {
    return {{10, 20, 0xFFFFFFFF, 0.f, 0.f}, {42, 20, 0xFFFFFFFF, .5f, 0.f},
            {42, 36, 0xFFFFFFFF, .5f, 1.f}, {10, 36, 0xFFFFFFFF, 0.f, 1.f}};
}

} // namespace

TEST(QuadCopy, FindsUprightRectanglesOfWholeTexelsOnly) {
    const std::vector<int> quad{0, 1, 2, 0, 2, 3};
    const struct {
        const char* what;
        void (*change)(std::vector<DeviceVertex>&, std::vector<int>&);
        bool bFound;
        float width;
    } cases[] = {
        {"as drawn", [](auto&, auto&) {}, true, 32.f},
        {"split along the other diagonal", [](auto&, auto& i) { i = {1, 2, 3, 1, 3, 0}; }, true, 32.f},
        {"stretched", [](auto& v, auto&) { v[1].x = v[2].x = 74; }, true, 64.f},
        {"mirrored", [](auto& v, auto&) { std::swap(v[0].u, v[1].u), std::swap(v[3].u, v[2].u); }, false, 0.f},
        {"turned", [](auto& v, auto&) { v[1].y = 22; }, false, 0.f},
        {"between texels", [](auto& v, auto&) { v[1].u = v[2].u = .501f; }, false, 0.f},
        {"beyond the texture", [](auto& v, auto&) { v[1].u = v[2].u = 1.5f; }, false, 0.f},
        {"two colours", [](auto& v, auto&) { v[2].argb = 0xFF000000; }, false, 0.f},
        {"triangles apart", [](auto& v, auto& i) { v.push_back(v[0]), i = {0, 1, 2, 4, 2, 3}; }, false, 0.f},
        {"a corner missing", [](auto&, auto& i) { i = {0, 1, 2, 0, 2, 7}; }, false, 0.f},
    };
    for (const auto& c : cases) {
        std::vector<DeviceVertex> vertices = upright();
        std::vector<int> indices = quad;
        c.change(vertices, indices);
        const auto copy = QuadCopy::fromTriangles(vertices, indices, 0, 64, 16);
        ASSERT_EQ(copy.has_value(), c.bFound) << c.what;
        if (!copy) continue;
        EXPECT_EQ(copy->left, 10.f) << c.what;
        EXPECT_EQ(copy->top, 20.f) << c.what;
        EXPECT_EQ(copy->width, c.width) << c.what;
        EXPECT_EQ(copy->height, 16.f) << c.what;
        EXPECT_EQ(std::make_tuple(copy->sourceX, copy->sourceY, copy->sourceWidth, copy->sourceHeight),
                  std::make_tuple(0, 0, 32, 16)) << c.what;
    }
    // Without a texture only the shape counts.
    std::vector<DeviceVertex> plain = upright();
    plain[1].u = .123f;
    EXPECT_TRUE(QuadCopy::fromTriangles(plain, quad, 0, 0, 0));
}
