#include <gtest/gtest.h>
#include <fstream>
#include "GraphicsTestSupport.h"
#include "TempDataHome.h"
#include "core/StringUtil.h"
#include "media/Quad.h"
#include "media/Renderable.h"

namespace {

std::optional<MemoryImageFile> readPicture(const WideString& path) {
    std::ifstream in(std::filesystem::path(toUtf8(path)), std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string error;
    return MemoryImageFile::decode(bytes, error);
}

}  // namespace

TEST(Screenshot, DrawsTheSceneAgainWithTheFlagSetAndSavesTheViewport) {
    TempDataHome home;
    GraphicsFixture fixture(800, 480);  // pillarboxed: the picture is the 640 x 480 field only
    VekGraphics& graphics = *fixture.graphics;
    Quad* quad = new Quad;
    quad->setSize(320, 480);
    quad->setAnchor(Quad::RIGHT_EDGE);
    Renderable half;
    half.setSkin(quad, true);
    half.color = 0xFFFF0000;
    graphics.beginScene();
    bool bFlagSeen = false;
    const VekGraphics::NumberedScreenshot shot = graphics.takeNumberedScreenshot([&] {
        bFlagSeen = graphics.bScreenshotInProgress;
        half.render();
    });
    ASSERT_TRUE(shot.bSaved);
    EXPECT_TRUE(bFlagSeen);
    EXPECT_FALSE(graphics.bScreenshotInProgress);
    const std::optional<MemoryImageFile> picture = readPicture(shot.path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 640);
    EXPECT_EQ(picture->height, 480);
    EXPECT_GT((picture->at(100, 240) >> 16) & 0xFF, 0xF0u);  // left half red
    EXPECT_LT((picture->at(540, 240) >> 16) & 0xFF, 0x10u);  // right half black
    EXPECT_NE(graphics.takeNumberedScreenshot([] {}).path, shot.path); // the next one does not overwrite it
}

TEST(Screenshot, CrashHookSavesTheFrameDrawnSoFarAndReleasesTheDevice) {
    TempDataHome home;
    GraphicsFixture fixture;
    fixture.graphics->beginScene();
    fixture.graphics->clear(0xFF00FF00);
    const ErrorManager::Hooks hooks = fixture.graphics->makeErrorHooks();
    const WideString path = fromUtf8((home.path() / "crash.jpg").string());
    hooks.saveScreenshot(path);
    const std::optional<MemoryImageFile> picture = readPicture(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 640);
    EXPECT_GT((picture->at(320, 240) >> 8) & 0xFF, 0xF0u);
    hooks.releaseGraphics();
}
