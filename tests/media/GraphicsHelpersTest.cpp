#include <gtest/gtest.h>
#include "media/Color.h"
#include "media/Easing.h"
#include "media/Vector.h"

TEST(GraphicsHelpers, LerpColorMixesEachChannelAndClamps) {
    const struct {
        uint32_t a, b;
        float t;
        uint32_t want;
    } cases[] = {
        {0xFF000000, 0xFFFFFFFF, 0.5f, 0xFF808080},
        {0x00FF0000, 0xFF0000FF, 0.25f, 0x40BF0040},
        {0x12345678, 0x9ABCDEF0, 0.f, 0x12345678},
        {0x12345678, 0x9ABCDEF0, 1.f, 0x9ABCDEF0},
        {0x12345678, 0x9ABCDEF0, -3.f, 0x12345678},
        {0x12345678, 0x9ABCDEF0, 7.f, 0x9ABCDEF0},
    };
    for (const auto& c : cases) EXPECT_EQ(lerpColor(c.a, c.b, c.t), c.want) << std::hex << c.a << " " << c.b << " " << c.t;
}

TEST(GraphicsHelpers, EveryEasingRunsFromStartToEndClampedWithItsShapeBetween) {
    for (int kind = 0; kind < static_cast<int>(EaseKind::Count); ++kind) {
        for (const auto& [t, want] : {std::pair{0.f, 0.f}, {1.f, 1.f}, {-1.f, 0.f}, {2.f, 1.f}})
            EXPECT_NEAR(ease(kind, t), want, 1e-5f) << kind << " at " << t;
    }
    const std::tuple<EaseKind, float, float> cases[] = {
        {EaseKind::Linear, 0.3f, 0.3f},     {EaseKind::QuadIn, 0.5f, 0.25f},    {EaseKind::QuadOut, 0.5f, 0.75f},
        {EaseKind::QuadInOut, 0.25f, 0.125f}, {EaseKind::QuadInOut, 0.5f, 0.5f}, {EaseKind::CubicIn, 0.5f, 0.125f},
        {EaseKind::CubicOut, 0.5f, 0.875f}, {EaseKind::QuartIn, 0.5f, 0.0625f}, {EaseKind::SineInOut, 0.5f, 0.5f},
        {EaseKind::ExpoIn, 0.5f, 0.03125f}, {EaseKind::BounceOut, 1.f / 2.75f, 1.f},
    };
    for (const auto& [kind, t, want] : cases) EXPECT_NEAR(ease(static_cast<int>(kind), t), want, 1e-5f) << int(kind);
    EXPECT_GT(ease(static_cast<int>(EaseKind::BackOut), 0.8f), 1.f);  // overshoots before settling
    EXPECT_FLOAT_EQ(ease(99, 0.4f), 0.4f);                            // unknown kind: linear
    EXPECT_FLOAT_EQ(ease(-1, 0.4f), 0.4f);
}

TEST(GraphicsHelpers, InterpolateEasedMovesAlongTheLineWithinRadiusIsStrictAndNormalizeKeepsZero) {
    // The screen wipe: from (1.4 W, -1.4 W) to the origin with kind 1.
    const Vector3 half = interpolateEased({896, -896, 0}, {0, 0, 0}, 0.5f, 1);
    EXPECT_FLOAT_EQ(half.x, 672);
    EXPECT_FLOAT_EQ(half.y, -672);
    EXPECT_FLOAT_EQ(interpolateEased({896, -896, 0}, {0, 0, 0}, 1.f, 1).x, 0);
    EXPECT_TRUE(isWithinRadius({0, 0, 0}, {3, 4, 0}, 5.01f));
    EXPECT_FALSE(isWithinRadius({0, 0, 0}, {3, 4, 0}, 5.f));
    EXPECT_FALSE(isWithinRadius({0, 0, 0}, {0, 0, 0}, 0.f));
    const Vector3 unit = normalize({0, 3, 4});
    EXPECT_FLOAT_EQ(unit.y, 0.6f);
    EXPECT_FLOAT_EQ(unit.z, 0.8f);
    const Vector3 zero = normalize({0, 0, 0});
    EXPECT_TRUE(zero.x == 0.f && zero.y == 0.f && zero.z == 0.f);
}
