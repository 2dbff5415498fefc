#include "GameHarness.h"
#include <cmath>
#include "core/VekBasePointer.h"
#include "game/interludes/ContextIntro.h"
#include "game/interludes/StarMap.h"
#include "game/Surface.h"
#include "game/SurfaceChain.h"
#include "game/scene/Explosion.h"
#include "game/scene/IntroFlier.h"
#include "game/scene/TextActor.h"
#include "media/SoundStream.h"
#include "media/VekAudio.h"

#ifdef VEK_ASSETS_DIR

namespace {

template <class T>
int childrenOf(const Context& scene) {
    int count = 0;
    for (const VekBase* child = scene.getChildren().getHead(); child; child = child->getNext())
        count += dynamic_cast<const T*>(child) != nullptr;
    return count;
}

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

TEST(Intro, PansExactlyToTheHomePlanetShootsTheLoneZelbinOnceAndClosesItself) {
    GameHarness harness;
    auto* intro = new ContextIntro();
    const VekBasePointer alive(intro);
    harness.stack().addContext(intro);
    double shotX = 0, zelbinX = 0;
    bool bShotFlying = false;
    int hits = 0, flock = 0, captions = 0;
    const int frames = runOut(harness, alive, 4000, [&] {
        const double clock = intro->sceneClock;
        EXPECT_GE(harness.game().cameraX, intro->panEnd());
        const auto* shot = static_cast<SpriteActor*>(intro->shot.get());
        const auto* zelbin = static_cast<IntroFlier*>(intro->loneZelbin.get());
        if (bShotFlying && !shot) {
            ++hits; // this frame the shot (10 a frame) passed the fleeing zelbin (3 a frame)
            EXPECT_LT(shotX - 10, zelbinX - 3);
            EXPECT_EQ(zelbin->speed, -6.0);
            EXPECT_EQ(childrenOf<Explosion>(*intro), 1);
        }
        if (shot) {
            EXPECT_GE(shot->x, zelbin->x);
        }
        bShotFlying = shot != nullptr;
        shotX = shot ? shot->x : 0;
        zelbinX = zelbin ? zelbin->x : 0;
        if (clock >= ContextIntro::FLOCK_TIME && flock == 0) flock = childrenOf<IntroFlier>(*intro) - 1;
        if (clock >= ContextIntro::TURN_TIME - 0.04 && clock < ContextIntro::TURN_TIME) {
            EXPECT_EQ(harness.game().cameraX, intro->panEnd()); // arrived, not one unit beyond
        }
        captions = childrenOf<TextActor>(*intro);
    });
    EXPECT_EQ(hits, 1);
    EXPECT_EQ(flock, 120 + 60 + 10);
    EXPECT_EQ(captions, 13);
    EXPECT_EQ(frames, int(std::ceil(ContextIntro::CLOSE_TIME / 1.2 * 30)) + 1); // removed the frame after
}

TEST(Intro, LeavingItAtAnyTimeLeavesTheMenuMusicPlaying) {
    GameHarness harness;
    VekAudio& audio = *VekAudio::get();
    SoundStream* menuMusic = audio.getCurrentMusic();
    ASSERT_NE(menuMusic, nullptr);
    const int fireKey = harness.game().configuration.keyboardBindings[4][0];
    // Skipped on its first frame, and closed between the record scratch and the music's return.
    for (const double closeAt : {0.0, ContextIntro::TURN_TIME + 0.5}) {
        auto* intro = new ContextIntro();
        const VekBasePointer alive(intro);
        harness.stack().addContext(intro);
        harness.runUntil([&] { return intro->sceneClock >= closeAt; }, 4000);
        if (closeAt > ContextIntro::TURN_TIME) {
            EXPECT_EQ(audio.getCurrentMusic(), nullptr);
        }
        harness.input().keys[std::size_t(fireKey)] = true;
        harness.step(2);
        harness.input().keys[std::size_t(fireKey)] = false;
        EXPECT_FALSE(alive) << closeAt;
        EXPECT_EQ(audio.getCurrentMusic(), menuMusic) << closeAt;
    }
}

#endif
