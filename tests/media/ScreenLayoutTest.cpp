#include <gtest/gtest.h>
#include "GraphicsTestSupport.h"
#include "TempDataHome.h"
#include "core/AppEnvironment.h"
#include "core/Camera.h"
#include "media/Quad.h"
#include "media/Renderable.h"
#include "core/StringUtil.h"
#include "core/UserSettings.h"

TEST(ScreenLayout, BarsOnlyWhereTheDisplayIsNotFourByThree) {
    const struct {
        int width, height;
        bool letterbox;
        ScreenLayout want;
    } cases[] = {
        {640, 480, true, {0, 0, 640, 480, 640, 480}},
        {1280, 960, true, {0, 0, 1280, 960, 640, 480}},
        {800, 480, true, {80, 0, 640, 480, 640, 480}},     // pillarbox
        {640, 600, true, {0, 60, 640, 480, 640, 480}},     // letterbox
        {1920, 1080, true, {240, 0, 1440, 1080, 640, 480}},
        {801, 480, true, {80, 0, 640, 480, 640, 480}},     // odd bar split rounds down on the left
        {800, 480, false, {0, 0, 800, 480, 800, 480}},     // stretched: the layout widens
        {640, 600, false, {0, 0, 640, 600, 640, 600}},     // ... or heightens
        {1920, 1080, false, {0, 0, 1920, 1080, 853, 480}},
        {0, 0, true, {0, 0, 1, 0, 640, 480}},              // a collapsed window never divides by zero
    };
    for (const auto& c : cases) {
        const ScreenLayout got = ScreenLayout::compute(c.width, c.height, c.letterbox);
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " letterbox " << c.letterbox);
        EXPECT_EQ(got.viewportX, c.want.viewportX);
        EXPECT_EQ(got.viewportY, c.want.viewportY);
        EXPECT_EQ(got.viewportWidth, c.want.viewportWidth);
        EXPECT_EQ(got.viewportHeight, c.want.viewportHeight);
        EXPECT_EQ(got.screenWidth, c.want.screenWidth);
        EXPECT_EQ(got.screenHeight, c.want.screenHeight);
    }
}

TEST(VekGraphics, PointerMapsThroughTheBarsOntoScreenUnits) {
    GraphicsFixture fixture(800, 480);
    VekGraphics& graphics = *fixture.graphics;
    graphics.beginScene();
    const struct {
        Vector3 pixel;
        Vector3 screen;
    } cases[] = {
        {{80, 480, 0}, {0, 0, 0}},          // bottom-left corner of the field
        {{720, 0, 0}, {640, 480, 0}},       // top-right
        {{400, 240, 0}, {320, 240, 0}},     // centre
        {{0, 240, 0}, {-80, 240, 0}},       // on the left bar: outside the field, not clamped
    };
    for (const auto& c : cases) {
        const Vector3 screen = graphics.windowToScreen(c.pixel);
        EXPECT_FLOAT_EQ(screen.x, c.screen.x);
        EXPECT_FLOAT_EQ(screen.y, c.screen.y);
        const Vector3 back = graphics.screenToWindow(screen);
        EXPECT_FLOAT_EQ(back.x, c.pixel.x);
        EXPECT_FLOAT_EQ(back.y, c.pixel.y);
    }
}

TEST(VekGraphics, RestartsOnlyForChangesThatNeedItAndOffersASortedModeList) {
    GraphicsFixture fixture;
    VekGraphics& graphics = *fixture.graphics;
    EXPECT_FALSE(graphics.needsRestart());
    graphics.changePresentationParameters(-1, -1, false, true, false, false);  // filter only
    EXPECT_FALSE(graphics.needsRestart());
    EXPECT_FALSE(graphics.getSettings().bBilinearFilter);
    graphics.changePresentationParameters(640, 480, false, true, false, false);  // the same mode
    EXPECT_FALSE(graphics.needsRestart());
    graphics.changePresentationParameters(800, 600, false, true, false, false);
    EXPECT_TRUE(graphics.needsRestart());
    graphics.restartDevice();
    EXPECT_FALSE(graphics.needsRestart());
    EXPECT_EQ(graphics.displayWidth, 800);
    EXPECT_EQ(graphics.displayHeight, 600);
    graphics.changePresentationParameters(-1, -1, false, false, false, false);  // letterbox off
    EXPECT_TRUE(graphics.needsRestart());
    graphics.restartDevice();
    EXPECT_EQ(graphics.viewportWidth, 800);

    const std::vector<VideoMode>& modes = graphics.videoModes;
    ASSERT_FALSE(modes.empty());
    EXPECT_EQ(modes.front().toString(), u"640 x 480");
    for (std::size_t i = 1; i < modes.size(); ++i)
        EXPECT_TRUE(std::pair(modes[i - 1].width, modes[i - 1].height) < std::pair(modes[i].width, modes[i].height));
}

TEST(VekGraphics, DisplayModeSettingsFallBackWhenDamagedAndAreKeptWhenChanged) {
    TempDataHome home;
    constexpr const char16_t* SECTION = VekGraphics::SETTINGS_SECTION;
    constexpr const char16_t* FULL_SCREEN = VekGraphics::FULL_SCREEN_KEY;
    const struct {
        const char16_t* width;
        const char16_t* height;
        const char16_t* fullScreen; // null: missing
        int wantWidth, wantHeight;
        bool wantFullScreen;
    } cases[] = {
        {u"1024", u"768", u"0", 1024, 768, false}, {u"320", u"240", u"1", 640, 480, true},
        {u"800", u"x", nullptr, 800, 480, true},    {u"-5", u"600", u"yes", 640, 480, true},
        {u"99999", u"480", u"2", 640, 480, true},
    };
    for (const auto& c : cases) {
        UserSettings settings;
        settings.setString(SECTION, u"videoModeWidth", c.width);
        settings.setString(SECTION, u"videoModeHeight", c.height);
        if (c.fullScreen) settings.setString(SECTION, FULL_SCREEN, c.fullScreen);
        const VekGraphics::Settings read = VekGraphics::readSettings(settings);
        EXPECT_EQ(read.width, c.wantWidth) << toUtf8(c.width);
        EXPECT_EQ(read.height, c.wantHeight) << toUtf8(c.height);
        EXPECT_EQ(read.bFullScreen, c.wantFullScreen) << toUtf8(c.width);
        // Repaired, and written when missing.
        EXPECT_EQ(settings.getInt(SECTION, u"videoModeWidth", 0), c.wantWidth);
        EXPECT_EQ(settings.getBool(SECTION, FULL_SCREEN, !c.wantFullScreen), c.wantFullScreen);
    }
    UserSettings settings;
    GraphicsFixture fixture;
    fixture.graphics.reset();  // one renderer per window
    {
        VekGraphics graphics(*fixture.window, VekGraphics::readSettings(settings), &settings);
        EXPECT_TRUE(graphics.bFullScreen);  // a first start
        // A window shown for a while, as "-safe" shows one, is no choice of the player's.
        graphics.setTemporaryWindow(true);
        EXPECT_FALSE(graphics.getSettings().bFullScreen);
        EXPECT_TRUE(graphics.isFullScreenChosen());
        EXPECT_TRUE(settings.getBool(SECTION, FULL_SCREEN, false));
        graphics.setTemporaryWindow(false);
        EXPECT_TRUE(graphics.getSettings().bFullScreen);
        graphics.changePresentationParameters(1024, 768, false, true, true, true);
        EXPECT_EQ(settings.getInt(SECTION, u"videoModeWidth", 0), 1024);
        EXPECT_EQ(settings.getInt(SECTION, u"videoModeHeight", 0), 768);
        EXPECT_FALSE(settings.getBool(SECTION, FULL_SCREEN, true));
    }
    // The safe switch opens an 800 by 600 window whatever was saved, and the saved mode stands:
    // in the settings, and as the full-screen choice the game keeps.
    settings.setBool(SECTION, FULL_SCREEN, true);
    const char* arguments[] = {"zelbin-vorlanx", "-safe"};
    setProgramArguments(2, arguments);
    VekGraphics safe(*fixture.window, VekGraphics::readSettings(settings), &settings);
    setProgramArguments(0, nullptr);
    EXPECT_EQ(safe.getSettings().width, 800);
    EXPECT_EQ(safe.getSettings().height, 600);
    EXPECT_FALSE(safe.bFullScreen);
    EXPECT_TRUE(safe.isFullScreenChosen());
    safe.changePresentationParameters(-1, -1, true, true, true, true);
    EXPECT_FALSE(safe.needsRestart());
    EXPECT_TRUE(settings.getBool(SECTION, FULL_SCREEN, false));
    EXPECT_EQ(settings.getInt(SECTION, u"videoModeWidth", 0), 1024);
}

TEST(VekGraphics, CamerasPlaceTheWorldAndScreenSpaceIgnoresThem) {
    GraphicsFixture fixture;
    VekGraphics& graphics = *fixture.graphics;
    auto makeSquare = [](uint32_t colour, const Vector3& position) {
        auto* quad = new Quad;
        quad->setSize(20, 20);
        auto* square = new Renderable;
        square->setSkin(quad, true);
        square->color = colour;
        square->position = position;
        return std::unique_ptr<Renderable>(square);
    };
    const auto world = makeSquare(0xFFFF0000, {1000, 500, 0});
    const auto screen = makeSquare(0xFF00FF00, {-200, 0, 0});
    screen->bScreenSpace = true;
    const auto nearer = makeSquare(0xFF0000FF, {1000, 400, -160});  // half way to the eye: drawn twice as big
    Camera camera;
    camera.setPosition(1000, 500);
    graphics.beginScene();
    graphics.useCamera(camera);
    world->render();
    screen->render();
    nearer->render();
    const MemoryImageFile frame = fixture.capture();
    EXPECT_EQ(frame.at(320, 240) & 0xFFFFFF, 0xFF0000u);        // the camera looks at the red square
    EXPECT_EQ(frame.at(120, 240) & 0xFFFFFF, 0x00FF00u);        // screen units, whatever the camera
    EXPECT_EQ(frame.at(320, 240 + 200) & 0xFFFFFF, 0x0000FFu);  // 100 units below, seen from half the depth
    EXPECT_EQ(frame.at(320 + 19, 440) & 0xFFFFFF, 0x0000FFu);   // 20 units wide shown as 40 pixels
    EXPECT_EQ(frame.at(320 + 21, 440) & 0xFFFFFF, 0u);
}

TEST(VekGraphics, OnlyQuadsShowingTexelsOnPixelCentresOneToOneSkipFiltering) {
    GraphicsFixture fixture;
    const auto texture = fixture.graphics->getDevice().createTexture(64, 32, false);
    // Left, top, width, height and right-edge u of a quad over the texture's height: whole, within
    // rounding, half a texel off, shrunk, a part, that part stretched.
    const std::tuple<float, float, float, float, float, bool> cases[] = {
        {-20, 7, 64, 32, 1, true}, {-20, 7.0002f, 64, 32, 1, true}, {10.5f, 7, 64, 32, 1, false},
        {10, 7, 32, 16, 1, false}, {10, 7, 32, 32, 0.5f, true},     {10, 7, 64, 32, 0.5f, false}};
    for (const auto& [x, y, w, h, u, want] : cases) {
        const platform::DeviceVertex quad[] = {{x, y, 0, 0, 0}, {x + w, y, 0, u, 0}, {x + w, y + h, 0, u, 1}, {x, y + h, 0, 0, 1}};
        EXPECT_EQ(VekGraphics::showsTexelsOneToOne(quad, *texture), want) << x << " " << y << " " << w << " " << u;
    }
}
