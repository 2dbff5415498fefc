// The planet frames in the order the star map and the intro use them (outermost first, the sun
// last): each frame must read as the world its name caption gives, judged by what a person
// would notice first: colour, size, rings, scattered rocks.
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>
#include "AssetTable.h"

namespace {

// What one frame shows, measured on its solid pixels (glows and haze left out).
struct WorldMeasure {
    double red = 0, green = 0, blue = 0;            // mean colour, 0..255
    double blueShare = 0, greenShare = 0, whiteShare = 0;
    int solid = 0;                                  // pixel count
    int width = 0, height = 0;                      // of the solid pixels' bounding box
    int pieces = 0;                                 // separate solid pieces of a few pixels or more

    double luminance() const { return 0.3 * red + 0.59 * green + 0.11 * blue; }
    double spread() const { return std::max({red, green, blue}) - std::min({red, green, blue}); }
    double fill() const { return double(solid) / std::max(1, width * height); }
};

bool isSolid(uint32_t pixel) { return pixel >> 24 >= 250; }

// Flood fills from every unvisited solid pixel: the pieces of `frame` of at least 6 pixels.
int countPieces(const MemoryImageFile& image, const FrameRect& frame) {
    std::vector<char> seen(static_cast<std::size_t>(frame.width * frame.height), 0);
    int pieces = 0;
    for (int start = 0; start < frame.width * frame.height; ++start) {
        if (seen[start] || !isSolid(image.at(frame.x + start % frame.width, frame.y + start / frame.width))) continue;
        std::vector<int> stack{start};
        seen[start] = 1;
        int size = 0;
        while (!stack.empty()) {
            const int at = stack.back();
            stack.pop_back();
            ++size;
            const int x = at % frame.width, y = at / frame.width;
            const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
            for (const auto& [nx, ny] : next) {
                if (nx < 0 || ny < 0 || nx >= frame.width || ny >= frame.height) continue;
                const int n = ny * frame.width + nx;
                if (seen[n] || !isSolid(image.at(frame.x + nx, frame.y + ny))) continue;
                seen[n] = 1;
                stack.push_back(n);
            }
        }
        if (size >= 6) ++pieces;
    }
    return pieces;
}

WorldMeasure measure(const MemoryImageFile& image, const FrameRect& frame) {
    WorldMeasure m;
    int left = frame.width, right = -1, top = frame.height, bottom = -1;
    int blue = 0, green = 0, white = 0;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const uint32_t p = image.at(frame.x + x, frame.y + y);
            if (!isSolid(p)) continue;
            const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
            m.red += r;
            m.green += g;
            m.blue += b;
            blue += b > r + 50 && b > g + 20;
            green += g > r + 30 && g > b + 20;
            white += std::min({r, g, b}) > 190 && std::max({r, g, b}) - std::min({r, g, b}) < 45;
            ++m.solid;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    if (m.solid == 0) return m;
    m.red /= m.solid;
    m.green /= m.solid;
    m.blue /= m.solid;
    m.blueShare = double(blue) / m.solid;
    m.greenShare = double(green) / m.solid;
    m.whiteShare = double(white) / m.solid;
    m.width = right - left + 1;
    m.height = bottom - top + 1;
    m.pieces = countPieces(image, frame);
    return m;
}

std::vector<WorldMeasure> measurePlanets() {
    for (const TextureRecipe& recipe : textureRecipes())
        if (std::string(recipe.name) == "bmp_planets") {
            const TexturePicture picture = recipe.make(recipe);
            std::vector<WorldMeasure> worlds;
            for (const FrameRect& frame : picture.frames) worlds.push_back(measure(picture.image, frame));
            return worlds;
        }
    return {};
}

}  // namespace

TEST(Planets, EachFrameIsTheWorldOfItsPlaceOnTheTrack) {
    const std::vector<WorldMeasure> worlds = measurePlanets();
    ASSERT_EQ(worlds.size(), 11u);
    // Rings and the belt stretch a world one way only; its short side is the ball's diameter.
    const auto largestBall = std::max_element(worlds.begin(), worlds.begin() + 10, [](const auto& a, const auto& b) {
        return std::min(a.width, a.height) < std::min(b.width, b.height);
    });
    const auto brightest = std::max_element(worlds.begin(), worlds.end(), [](const auto& a, const auto& b) {
        return a.luminance() < b.luminance();
    });
    const auto small = [&](const WorldMeasure& m) { return m.solid * 6 < largestBall->solid; };
    struct Case {
        const char* world;
        std::function<bool(const WorldMeasure&)> looksRight;
    };
    const Case cases[] = {
        {"Pluto: small and pale", [&](const auto& m) { return small(m) && m.spread() < 70; }},
        {"Neptune: deep blue", [](const auto& m) { return m.blue > m.red + 60 && m.blue > m.green + 40; }},
        {"Uranus: pale cyan, its ring nearly upright",
         [](const auto& m) {
             return m.green > m.red + 30 && m.blue > m.red + 30 && m.height * 10 > m.width * 13;
         }},
        {"Saturn: tan, its rings wider than the ball",
         [](const auto& m) { return m.red > m.blue + 30 && m.width * 10 > m.height * 16; }},
        {"Jupiter: warm and the biggest ball",
         [&](const auto& m) { return m.red > m.blue + 30 && &m == &*largestBall; }},
        {"the asteroid belt: scattered rocks", [](const auto& m) { return m.pieces >= 12 && m.fill() < 0.3; }},
        {"Mars: red with a white cap",
         [](const auto& m) { return m.red > m.green + 50 && m.red > m.blue + 50 && m.whiteShare > 0.02; }},
        {"Earth: blue seas, green land, white clouds",
         [](const auto& m) { return m.blueShare > 0.2 && m.greenShare > 0.1 && m.whiteShare > 0.03; }},
        {"Venus: yellow-cream clouds",
         [](const auto& m) { return m.red > m.blue + 50 && m.green > m.blue + 30 && m.red < m.green + 60; }},
        {"Mercury: small and grey", [&](const auto& m) { return small(m) && m.spread() < 40; }},
        {"the Sun: the brightest, yellow-orange",
         [&](const auto& m) { return &m == &*brightest && m.red > m.blue + 80; }},
    };
    for (std::size_t i = 0; i < worlds.size(); ++i) {
        const WorldMeasure& m = worlds[i];
        EXPECT_TRUE(cases[i].looksRight(m))
            << "frame " << i << " should be " << cases[i].world << "; mean colour " << m.red << ", " << m.green << ", "
            << m.blue << ", solid " << m.solid << " in " << m.width << " x " << m.height << ", " << m.pieces
            << " pieces, blue/green/white shares " << m.blueShare << "/" << m.greenShare << "/" << m.whiteShare;
    }
}
