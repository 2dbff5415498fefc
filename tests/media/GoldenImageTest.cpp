#include <gtest/gtest.h>
#include <numbers>
#include "GraphicsTestSupport.h"
#include "media/Quad.h"
#include "media/Renderable.h"
#include "media/SlicedSkin.h"
#include "media/Texture.h"

namespace {

// A 32 x 32 picture: four coloured squares with a white frame, opaque.
MemoryImageFile checkerPicture() {
    MemoryImageFile image(32, 32);
    constexpr uint32_t COLOURS[] = {0xFFE04040, 0xFF40E040, 0xFF4040E0, 0xFFE0E040};
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const bool edge = x == 0 || y == 0 || x == 31 || y == 31;
            image.at(x, y) = edge ? 0xFFFFFFFF : COLOURS[(y / 16) * 2 + x / 16];
        }
    }
    return image;
}

// A 24 x 24 panel: dark 6-pixel border with bright corners, light middle; the border is
// half transparent so the sliced skin also shows blending.
MemoryImageFile panelPicture() {
    MemoryImageFile image(24, 24);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 24; ++x) {
            const bool borderX = x < 6 || x >= 18;
            const bool borderY = y < 6 || y >= 18;
            image.at(x, y) = borderX && borderY ? 0xFFFFD000 : borderX || borderY ? 0xC0303080 : 0xFFC0C0F0;
        }
    }
    return image;
}

Renderable* addSprite(VekBase& parent, Skin* skin, const Vector3& position, uint32_t colour = 0xFFFFFFFF) {
    auto* sprite = new Renderable;
    sprite->setSkin(skin, true);
    sprite->position = position;
    sprite->color = colour;
    parent.addChild(sprite);
    return sprite;
}

Quad* plainQuad(float width, float height, platform::BlendMode blend) {
    auto* quad = new Quad;
    quad->setSize(width, height);
    quad->blend = blend;
    return quad;
}

Quad* textureQuad(const Texture& texture, const Rect& source, float width, float height) {
    auto* quad = new Quad(&texture, source);
    quad->setSize(width, height);
    return quad;
}

// Opaque, alpha-blended and additive quads over each other, and a quad whose source
// rectangle repeats its texture two and a half times.
void buildBlendScene(VekBase& root, const Texture& checker) {
    addSprite(root, textureQuad(checker, {0, 0, 32, 32}, 160, 160), {-180, 80, 0});
    addSprite(root, textureQuad(checker, {0, 0, 80, 48}, 250, 150), {150, 100, 0});
    addSprite(root, plainQuad(200, 120, platform::BlendMode::Alpha), {-120, 40, 0}, 0x80FF2020);
    addSprite(root, plainQuad(140, 140, platform::BlendMode::Additive), {0, -120, 0}, 0xFF008000);
    addSprite(root, plainQuad(140, 140, platform::BlendMode::Additive), {80, -160, 0}, 0x800000FF);
    addSprite(root, plainQuad(100, 60, platform::BlendMode::Opaque), {220, -160, 0}, 0x00FFFFFF);
}

void renderScene(VekGraphics& graphics, VekBase& root, uint32_t clearColour) {
    graphics.beginScene();
    graphics.clear(clearColour);
    root.render();
    graphics.endScene();
}

}  // namespace

TEST(GoldenImage, SlicedSkinKeepsCornersAndStretchesEdges) {
    GraphicsFixture fixture;
    Texture panel(*fixture.graphics, panelPicture(), {}, Texture::TEXTURE_POINT_SAMPLED);
    VekBase root;
    const struct {
        float width, height;
        Vector3 position;
    } panels[] = {{300, 120, {-100, 120, 0}}, {60, 300, {220, 0, 0}}, {-1, -1, {-250, -150, 0}}, {8, 60, {-100, -150, 0}}};
    for (const auto& p : panels) {
        auto* skin = new SlicedSkin(*panel.skins[0]);
        skin->setBorders(6, 6, 6, 6);
        skin->setSize(p.width, p.height);
        addSprite(root, skin, p.position);
    }
    renderScene(*fixture.graphics, root, 0xFF102010);
    EXPECT_TRUE(matchesGolden(fixture.capture(), "sliced"));
}

TEST(GoldenImage, RotatedAndScaledChildFollowsItsParent) {
    GraphicsFixture fixture;
    Texture checker(*fixture.graphics, checkerPicture(), {}, 0);
    VekBase root;
    Renderable* parent = addSprite(root, textureQuad(checker, {0, 0, 32, 32}, 64, 64), {-60, 20, 0});
    parent->setTransform({-60, 20, 0}, std::numbers::pi_v<float> / 6, {2.f, 1.5f, 1.f});
    Renderable* child = addSprite(*parent, textureQuad(checker, {0, 0, 32, 32}, 32, 32), {60, 0, 0}, 0xFFFFA0A0);
    child->setTransform({60, 0, 0}, std::numbers::pi_v<float> / 4, {0.75f, 0.75f, 1.f});
    auto* anchored = textureQuad(checker, {0, 0, 32, 32}, 48, 48);
    anchored->setAnchor(Quad::BOTTOM_LEFT);
    addSprite(*child, anchored, {0, 0, 0}, 0xA0FFFFFF);
    renderScene(*fixture.graphics, root, 0xFF000000);
    EXPECT_TRUE(matchesGolden(fixture.capture(), "hierarchy"));
}

TEST(GoldenImage, BlendModesAndTilingInPillarboxAndLetterboxWindows) {
    const struct {
        int width, height;
        const char* name;
    } windows[] = {{800, 480, "pillarbox-800x480"}, {640, 600, "letterbox-640x600"}};
    for (const auto& w : windows) {
        GraphicsFixture fixture(w.width, w.height);
        Texture checker(*fixture.graphics, checkerPicture(), {}, Texture::TEXTURE_POINT_SAMPLED);
        VekBase root;
        buildBlendScene(root, checker);
        renderScene(*fixture.graphics, root, 0xFF203040);
        EXPECT_EQ(fixture.graphics->displayWidth, w.width);
        EXPECT_EQ(fixture.graphics->displayHeight, w.height);
        EXPECT_TRUE(matchesGolden(fixture.captureWindow(), w.name));
    }
}

TEST(GoldenImage, RepeatsStartAnywhereAndMirroredSourcesFlip) {
    GraphicsFixture fixture;
    Texture checker(*fixture.graphics, checkerPicture(), {}, Texture::TEXTURE_POINT_SAMPLED);
    VekBase root;
    addSprite(root, textureQuad(checker, {-16, -8, 40, 40}, 280, 240), {-160, 80, 0});  // starts inside a repeat
    addSprite(root, textureQuad(checker, {32, 0, 0, 32}, 128, 128), {120, 120, 0});    // mirrored left to right
    addSprite(root, textureQuad(checker, {0, 32, 32, 0}, 128, 128), {120, -60, 0});    // mirrored top to bottom
    addSprite(root, textureQuad(checker, {8, 8, 24, 24}, 96, 96), {-160, -170, 0});    // a part, enlarged
    renderScene(*fixture.graphics, root, 0xFF202020);
    EXPECT_TRUE(matchesGolden(fixture.capture(), "repeats"));
}
