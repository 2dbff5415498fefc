// The spinning zelbin's sheet against the way the game reads it: frames 8k to 8k + 7 are shown
// while it travels along angle k * 2 pi / 32 of the field (x to the right, y downwards), so in
// each of them the zelbin's face must point that way.
#include <gtest/gtest.h>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include "AssetArchives.h"

namespace {

constexpr double PI = std::numbers::pi;

// Where a frame's zelbin faces, in radians of the picture (y downwards). The zelbin is mirror
// symmetric about the line from its tentacles to its face, and such a line is a principal axis
// of the picture's coverage: of the four directions along the two axes, the face is the one
// nearest to the eyes, the only near-white pixels with a cool tint (the core's light is warm).
std::optional<double> faceDirection(const TexturePicture& picture, const FrameRect& frame) {
    double mass = 0, mx = 0, my = 0, eyeX = 0, eyeY = 0;
    int eyePixels = 0;
    auto forEachPixel = [&](auto&& visit) {
        for (int y = 0; y < frame.height; ++y)
            for (int x = 0; x < frame.width; ++x)
                visit(x + 0.5 - frame.width / 2.0, y + 0.5 - frame.height / 2.0, picture.image.at(frame.x + x, frame.y + y));
    };
    forEachPixel([&](double x, double y, uint32_t p) {
        const double a = (p >> 24) / 255.0;
        mass += a;
        mx += a * x;
        my += a * y;
        const uint32_t r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
        if (p >> 24 >= 0xC0 && g >= 0xE0 && b >= 0xE0 && r <= g) {
            eyeX += x;
            eyeY += y;
            ++eyePixels;
        }
    });
    if (mass <= 0 || eyePixels < 4) return std::nullopt;
    mx /= mass;
    my /= mass;
    double xx = 0, yy = 0, xy = 0;
    forEachPixel([&](double x, double y, uint32_t p) {
        const double a = (p >> 24) / 255.0;
        xx += a * (x - mx) * (x - mx);
        yy += a * (y - my) * (y - my);
        xy += a * (x - mx) * (y - my);
    });
    const double axis = 0.5 * std::atan2(2 * xy, xx - yy);
    const double towardsEyes = std::atan2(eyeY / eyePixels - my, eyeX / eyePixels - mx);
    double best = axis;
    for (int quarter = 1; quarter < 4; ++quarter) {
        const double candidate = axis + quarter * PI / 2;
        if (std::fabs(std::remainder(candidate - towardsEyes, 2 * PI)) <
            std::fabs(std::remainder(best - towardsEyes, 2 * PI)))
            best = candidate;
    }
    return best;
}

}  // namespace

TEST(SpinningSheet, EachGroupFacesTheHeadingItIsShownFor) {
    const TextureRecipe* recipe = nullptr;
    for (const TextureRecipe& r : textureRecipes())
        if (std::string(r.name) == "bmp_zelbin360") recipe = &r;
    ASSERT_NE(recipe, nullptr);
    const TexturePicture picture = paintTexture(*recipe);
    ASSERT_EQ(picture.frames.size(), 256u);
    for (int group = 0; group < 32; ++group)
        for (int flap : {0, 7}) {
            const std::optional<double> measured = faceDirection(picture, picture.frames[8 * group + flap]);
            ASSERT_TRUE(measured) << "group " << group << " flap " << flap << ": no eyes found";
            const double heading = group * 2 * PI / 32;
            const double error = std::remainder(*measured - heading, 2 * PI);
            // Within a quarter of a sector: the sector beside it would be off by a whole one.
            EXPECT_LT(std::fabs(error), PI / 64) << "group " << group << " flap " << flap;
        }
}
