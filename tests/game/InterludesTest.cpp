#include "GameHarness.h"
#include "core/VekBasePointer.h"
#include "game/interludes/StarMap.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"

#ifdef VEK_ASSETS_DIR

namespace {

/// Steps until the scene has left the stack (deleted), at most `limit` frames; the frames taken.
int runOut(GameHarness& harness, const VekBasePointer& scene, int limit, const std::function<void()>& eachFrame) {
    int frames = 0;
    while (scene && frames < limit) {
        harness.step();
        ++frames;
        if (scene) eachFrame();
    }
    return frames;
}

} // namespace

TEST(StarMap, FliesFromTheLastPlanetToTheNextAndTheViewNeverScrollsBack) {
    const auto planets = PlanetTrack::positions();
    EXPECT_EQ(planets, (std::array<int32_t, 11>{-1630, -1498, -1282, -955, -692, -473, -238, -126, -36, 55, 320}));
    GameHarness harness;
    for (const int32_t system : {0, 1, 10}) {
        const double endX = planets[std::size_t(system)];
        const double endY = 240 + harness.game().planets->getSurf(system)->height / (system == 10 ? 4 : 2);
        auto* map = new StarMap(system);
        const VekBasePointer alive(map);
        EXPECT_EQ(map->path.x, system == 0 ? -2370.0 : planets[std::size_t(system - 1)]);
        harness.stack().addContext(map);
        double camera = -1.0e9, lastX = 0, lastY = 0;
        int arrivedFrames = 0;
        bool bDraggedBack = false;
        const int frames = runOut(harness, alive, 3000, [&] {
            EXPECT_GE(harness.game().cameraX, camera) << "system " << system;
            camera = harness.game().cameraX;
            // Dragged back mid-flight, the ship flies on from there; the view stays.
            if (!bDraggedBack && map->getState() == StarMap::FLYING && map->path.t > 0.5) {
                map->path.setPosition(map->path.x - 300, map->path.y);
                map->path.addMove(endX, endY, Mover::AUTO, Mover::AUTO, 0, 0, 0);
                bDraggedBack = true;
            }
            arrivedFrames += map->getState() == StarMap::ARRIVED;
            lastX = map->path.x;
            lastY = map->path.y;
        });
        EXPECT_FALSE(alive) << "system " << system << " did not close";
        EXPECT_TRUE(bDraggedBack);
        EXPECT_EQ(lastX, endX);
        EXPECT_EQ(lastY, endY);
        EXPECT_NEAR(arrivedFrames, 60, 1); // two seconds at rest before it closes
        EXPECT_GT(frames, 120 + arrivedFrames);
    }
}

#endif
