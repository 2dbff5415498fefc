#include "core/Camera.h"
#include <gtest/gtest.h>

TEST(Camera, VisibleRectGrowsWithDepthAroundThePosition) {
    struct Case {
        float x, y, cameraZ, ratio, depth;
        Rect expected;
    };
    const Case cases[] = {
        // Default camera: the plane z = 0 shows the 640 x 480 logical screen.
        {0.f, 0.f, Camera::DEFAULT_DEPTH, Camera::DEFAULT_RATIO, 0.f, {-320.f, 240.f, 320.f, -240.f}},
        {100.f, -50.f, -320.f, 0.75f, 0.f, {-220.f, 190.f, 420.f, -290.f}},
        {0.f, 0.f, -320.f, 0.75f, 320.f, {-640.f, 480.f, 640.f, -480.f}},  // twice as deep, twice as wide
        {0.f, 0.f, -100.f, 1.f, -100.f, {0.f, 0.f, 0.f, 0.f}},             // at the camera's own depth
        {10.f, 20.f, -200.f, 0.5625f, 0.f, {-190.f, 132.5f, 210.f, -92.5f}},  // a 16:9 view
    };
    for (const Case& c : cases) {
        Camera camera;
        camera.setPosition(c.x, c.y);
        camera.z = c.cameraZ;
        camera.ratio = c.ratio;
        Rect rect;
        camera.getVisibleRect(rect, c.depth);
        EXPECT_FLOAT_EQ(rect.left, c.expected.left);
        EXPECT_FLOAT_EQ(rect.top, c.expected.top);
        EXPECT_FLOAT_EQ(rect.right, c.expected.right);
        EXPECT_FLOAT_EQ(rect.bottom, c.expected.bottom);
        EXPECT_GE(rect.top, rect.bottom);
    }
}

TEST(Camera, ScreenPointsMapOntoThePlaneOfTheWorld) {
    struct Case {
        float x, y, cameraZ, screenWidth, screenX, screenY, worldX, worldY;
    };
    const Case cases[] = {
        {0.f, 0.f, -320.f, 640.f, 0.f, 0.f, -320.f, -240.f},     // bottom-left corner
        {0.f, 0.f, -320.f, 640.f, 320.f, 240.f, 0.f, 0.f},       // centre
        {0.f, 0.f, -320.f, 640.f, 640.f, 480.f, 320.f, 240.f},   // top-right corner
        {100.f, -50.f, -320.f, 640.f, 320.f, 240.f, 100.f, -50.f},  // a moved camera
        {0.f, 0.f, -640.f, 640.f, 640.f, 480.f, 640.f, 480.f},   // twice as far: twice as much world
        {0.f, 0.f, -320.f, 1280.f, 1280.f, 960.f, 320.f, 240.f},  // a wider screen in the same view
    };
    for (const Case& c : cases) {
        Camera camera;
        camera.setPosition(c.x, c.y);
        camera.z = c.cameraZ;
        float worldX = 0.f, worldY = 0.f;
        camera.screenToWorld(c.screenX, c.screenY, c.screenWidth, worldX, worldY);
        EXPECT_FLOAT_EQ(worldX, c.worldX) << c.screenX;
        EXPECT_FLOAT_EQ(worldY, c.worldY) << c.screenY;
    }
}
