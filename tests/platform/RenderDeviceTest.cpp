#include "platform/RenderDevice.h"
#include <SDL.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include "platform/PlatformWindow.h"

namespace {

// Each test runs on both renderers: SDL_RENDER_DRIVER chooses the window's kind.
class RenderDeviceOn : public testing::TestWithParam<const char*> {};

struct DeviceFixture {
    explicit DeviceFixture(const char* renderer = "opengl") {
        std::string error;
        setenv("SDL_RENDER_DRIVER", renderer, 1);
        window = platform::PlatformWindow::open("device test", 64, 48, error);
        unsetenv("SDL_RENDER_DRIVER");
        if (!window) ADD_FAILURE() << error;
        device = platform::RenderDevice::create(window->getSdlWindow(), false, error);
        if (!device) ADD_FAILURE() << error;
    }
    // A plain rectangle in viewport pixels.
    void fill(float x0, float y0, float x1, float y1, uint32_t argb, platform::BlendMode blend,
              const platform::DeviceTexture* texture = nullptr, bool bilinear = false) {
        const platform::DeviceVertex v[] = {
            {x0, y0, argb, 0, 0}, {x1, y0, argb, 1, 0}, {x1, y1, argb, 1, 1}, {x0, y1, argb, 0, 1}};
        const int indices[] = {0, 1, 2, 0, 2, 3};
        device->drawTriangles(texture, v, indices, blend, bilinear);
    }
    uint32_t pixel(int x, int y) {
        const std::vector<uint32_t> p = device->readPixels(x, y, 1, 1);
        return p.empty() ? 0 : p[0] & 0xFFFFFF;
    }

    std::unique_ptr<platform::PlatformWindow> window;
    std::unique_ptr<platform::RenderDevice> device;
};

bool near(uint32_t a, uint32_t b, int tolerance = 2) {
    for (int shift : {0, 8, 16}) {
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    }
    return true;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Renderers, RenderDeviceOn, testing::Values("opengl", "software"));

TEST_P(RenderDeviceOn, ColoursAndBlendModesReadBackAsDrawn) {
    DeviceFixture f(GetParam());
    ASSERT_TRUE(f.device);
    const struct {
        uint32_t below, above;
        platform::BlendMode blend;
        uint32_t want;
    } cases[] = {
        {0xFF0000FF, 0xFF102030, platform::BlendMode::Opaque, 0x102030},    // ARGB order survives the seam
        {0xFF0000FF, 0x00102030, platform::BlendMode::Opaque, 0x102030},    // opaque ignores alpha
        {0xFF0000FF, 0x80FF0000, platform::BlendMode::Alpha, 0x80007F},     // half red over blue
        {0xFF0000FF, 0x00FF0000, platform::BlendMode::Alpha, 0x0000FF},     // invisible
        {0xFF204060, 0xFF101010, platform::BlendMode::Additive, 0x305070},
        {0xFF204060, 0x80202020, platform::BlendMode::Additive, 0x305070},  // added times its alpha
        {0xFFF0F0F0, 0xFF808080, platform::BlendMode::Additive, 0xFFFFFF},  // saturates
    };
    for (const auto& c : cases) {
        f.device->clearTarget(c.below);
        f.fill(0, 0, 64, 48, c.above, c.blend);
        EXPECT_TRUE(near(f.pixel(10, 10), c.want)) << std::hex << c.above << " got " << f.pixel(10, 10);
    }
}

TEST_P(RenderDeviceOn, ViewportPlacesAndClipsDrawing) {
    DeviceFixture f(GetParam());
    ASSERT_TRUE(f.device);
    f.device->clearTarget(0xFF000000);
    f.device->setViewport(16, 8, 32, 32);
    f.fill(-100, -100, 100, 100, 0xFFFFFFFF, platform::BlendMode::Opaque);
    EXPECT_EQ(f.pixel(15, 20), 0u);
    EXPECT_EQ(f.pixel(16, 20), 0xFFFFFFu);
    EXPECT_EQ(f.pixel(47, 39), 0xFFFFFFu);
    EXPECT_EQ(f.pixel(48, 39), 0u);
    EXPECT_EQ(f.pixel(20, 40), 0u);
    f.device->fillViewport(0xFF00FF00);
    EXPECT_EQ(f.pixel(20, 20), 0x00FF00u);
    EXPECT_EQ(f.pixel(5, 5), 0u);
}

TEST_P(RenderDeviceOn, TexturesAndRenderTargets) {
    DeviceFixture f(GetParam());
    ASSERT_TRUE(f.device);
    auto texture = f.device->createTexture(2, 1, false);
    ASSERT_TRUE(texture);
    EXPECT_FALSE(f.device->upload(*texture, std::vector<uint32_t>{0xFFFF0000}));  // one pixel short
    ASSERT_TRUE(f.device->upload(*texture, std::vector<uint32_t>{0xFFFF0000, 0xFF00FF00}));

    auto target = f.device->createTexture(16, 16, true);
    ASSERT_TRUE(target);
    f.device->setRenderTarget(target.get());
    int width = 0, height = 0;
    f.device->getOutputSize(width, height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(height, 16);
    f.device->clearTarget(0xFF000000);
    f.fill(0, 0, 16, 16, 0xFFFFFFFF, platform::BlendMode::Opaque, texture.get());
    EXPECT_EQ(f.pixel(2, 2), 0xFF0000u);   // left half red
    EXPECT_EQ(f.pixel(13, 13), 0x00FF00u); // right half green
    f.device->setRenderTarget(nullptr);
    f.device->getOutputSize(width, height);
    EXPECT_EQ(width, 64);
    EXPECT_TRUE(f.device->readPixels(0, 0, 0, 4).empty());
}

// A software device keeps scaled and tinted parts it draws again; what it shows must not change
// by that (beyond a unit of rounding), nor stay behind when the texture changes.
TEST_P(RenderDeviceOn, PartsDrawnAgainShowTheTextureAsItIsNow) {
    DeviceFixture f(GetParam());
    ASSERT_TRUE(f.device);
    auto opaque = f.device->createTexture(2, 1, false);
    auto target = f.device->createTexture(2, 1, true);
    ASSERT_TRUE(opaque && target);
    ASSERT_TRUE(f.device->upload(*opaque, std::vector<uint32_t>{0xFFFF0000, 0xFF0000FF}));
    const auto drawTwice = [&](const platform::DeviceTexture* texture, uint32_t tint) {
        std::vector<uint32_t> shown[3];
        for (auto& pixels : shown) {
            f.device->clearTarget(0xFF00FF00);
            f.fill(8, 8, 40, 24, tint, platform::BlendMode::Alpha, texture, true);
            pixels = f.device->readPixels(0, 0, 64, 48);
        }
        for (std::size_t i = 0; i < shown[0].size(); ++i)
            ASSERT_TRUE(near(shown[0][i], shown[1][i], 1) && near(shown[0][i], shown[2][i], 1)) << "pixel " << i;
    };
    drawTwice(opaque.get(), 0xFF80FFFF); // an opaque picture hides the green
    EXPECT_TRUE(near(f.pixel(10, 16), 0x800000));
    EXPECT_TRUE(near(f.pixel(38, 16), 0x0000FF));
    drawTwice(opaque.get(), 0x80FFFFFF); // half its alpha lets the green through
    EXPECT_TRUE(near(f.pixel(10, 16), 0x7F8000));
    for (uint32_t colour : {0xFFFFFF00u, 0xFF00FFFFu}) {
        f.device->setRenderTarget(target.get());
        f.device->clearTarget(colour);
        f.device->setRenderTarget(nullptr);
        drawTwice(target.get(), 0xFFFFFFFF);
        EXPECT_EQ(f.pixel(20, 16), colour & 0xFFFFFF);
    }
}

TEST(RenderDevice, ResetEventsAreReportedOnce) {
    DeviceFixture f;
    ASSERT_TRUE(f.device);
    EXPECT_FALSE(f.device->takeDeviceReset());
    EXPECT_FALSE(f.device->takeTargetsReset());
    for (Uint32 type : {SDL_RENDER_DEVICE_RESET, SDL_RENDER_TARGETS_RESET}) {
        SDL_Event event{};
        event.type = type;
        SDL_PushEvent(&event);
    }
    while (f.window->pumpEvent()) {
    }
    EXPECT_TRUE(f.device->takeDeviceReset());
    EXPECT_FALSE(f.device->takeDeviceReset());
    EXPECT_TRUE(f.device->takeTargetsReset());
    EXPECT_FALSE(f.device->takeTargetsReset());
}
