#include <gtest/gtest.h>
#include <cmath>
#include <numbers>
#include "SceneTestSupport.h"
#include "game/Surface.h"
#include "game/scene/ContextScene.h"
#include "game/scene/EngineFlame.h"
#include "game/scene/Explosion.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/Smoke.h"
#include "game/scene/SpriteActor.h"

namespace {

constexpr double FULL_CIRCLE = 2.0 * std::numbers::pi;

/// Counts the engine's tick walks and its frame steps.
struct CountingObject : GameObject {
    void tick(double t, double dt) override {
        ++ticks;
        GameObject::tick(t, dt);
    }
    void frameUpdate() override { ++updates; }
    int ticks = 0;
    int updates = 0;
};

/// A scene that draws its owned objects, as the running game does.
struct OwningScene : ContextScene {
    void renderScene() override { frameUpdateOwned(); }
};

struct SmokeProbe : Smoke {
    SmokeProbe() : Smoke(0, 0, 0, 1, 0, FULL_CIRCLE) {}
    using Smoke::frameOf;
};

} // namespace

TEST(SpriteActor, AnEndingChainMarksItsActorDeadAfterTheLastFrameAndAHiddenOneStandsStill) {
    SceneKit kit;
    SurfaceChain* chain = kit.chain(3, 8, 8);
    chain->linkFrames(0, 0);
    for (Surface* frame : chain->surfaces)
        frame->frameTime = 2;
    SpriteActor actor(100, 100, chain->getSurf(0)), hidden(100, 100, chain->getSurf(0));
    hidden.hidden = true;
    for (int frame = 1; frame <= 6; ++frame) {
        EXPECT_FALSE(actor.isDead()) << frame;
        actor.frameUpdate();
        hidden.frameUpdate();
    }
    EXPECT_TRUE(actor.isDead());
    EXPECT_EQ(actor.surface, chain->getSurf(2));
    EXPECT_EQ(hidden.surface, chain->getSurf(0));
}

TEST(SpriteActor, IsOnScreenWhileAnEdgeIsOnItAndCollidesOnlyWhenCirclesOverlap) {
    SceneKit kit;
    Surface* wide = kit.chain(1, 1300, 20)->getSurf(0); // 650 x 10 units, hot spot (325, 5)
    Surface* small = kit.chain(1, 20, 20)->getSurf(0);  // 10 x 10, hot spot (5, 5), radius 5
    struct Place {
        Surface* frame;
        double x, cameraX;
        bool bOnScreen;
    };
    for (const Place& p :
         {Place{wide, 320, 0, false}, Place{wide, 330, 0, true}, Place{small, 0, 0, true},
          Place{small, -6, 0, false}, Place{small, 644, 0, true}, Place{small, 645, 0, false},
          Place{small, 100, 100, true}, Place{small, 745, 100, false}}) {
        kit.game->cameraX = p.cameraX;
        EXPECT_EQ(SpriteActor(p.x, 100, p.frame).isOnScreenX(), p.bOnScreen)
            << p.x << " camera " << p.cameraX;
    }
    kit.game->cameraX = 0;
    EXPECT_FALSE(SpriteActor(0, 0, nullptr).isOnScreenY());
    struct Pair {
        double dx, dy, radiusFactor;
        bool bCollides;
    };
    for (const Pair& p : {Pair{10, 0, 1, false}, Pair{9.9, 0, 1, true}, Pair{6, 8, 1, false},
                          Pair{6, 7.9, 1, true}, Pair{5, 0, 0.5, false}, Pair{4.9, 0, 0.5, true}}) {
        small->radiusFactor = p.radiusFactor;
        const SpriteActor a(200, 200, small), b(200 + p.dx, 200 + p.dy, small);
        EXPECT_EQ(a.collides(b), p.bCollides) << p.dx << ", " << p.dy << " x " << p.radiusFactor;
        EXPECT_EQ(b.collides(a), p.bCollides);
    }
    EXPECT_FALSE(SpriteActor(200, 200, small).collides(SpriteActor(200, 200, nullptr)));
}

TEST(ContextScene, CrossedTimeHoldsInExactlyOneStepAtAnyFrameRateOnTheSceneOwnClock) {
    const double times[] = {0.05, 1.2, 3.3333333, 7.0, 11.9};
    for (const int fps : {10, 25, 30, 60, 144, 500}) {
        ContextScene scene;
        int crossings[std::size(times)] = {};
        const double dt = 1.0 / fps;
        for (int frame = 0; frame < 10 * fps; ++frame) {
            scene.tickContext(1000.0 + frame * dt, dt); // the engine's clock plays no part
            for (std::size_t i = 0; i < std::size(times); ++i)
                crossings[i] += scene.crossedTime(times[i]);
        }
        for (std::size_t i = 0; i < std::size(times); ++i)
            EXPECT_EQ(crossings[i], 1) << fps << " fps, " << times[i];
        EXPECT_NEAR(scene.sceneClock, 12.0, 1e-9) << fps;
    }
}

TEST(ContextScene, TicksAndDrawsEachObjectOnceWhetherChildOrOwnedAndGroupsDeleteTheDead) {
    OwningScene scene;
    CountingObject *child = new CountingObject, *owned = new CountingObject, *member = new CountingObject,
                   *doomed = new CountingObject;
    auto* group = new ObjectGroup;
    scene.addChild(child);
    scene.addChild(owned);
    scene.adopt(owned); // leaves the children
    scene.adopt(group);
    group->add(member);
    group->add(doomed);
    scene.tickContext(0, 0.1);
    scene.renderContext();
    for (const CountingObject* object : {child, owned, member}) {
        EXPECT_EQ(object->ticks, 1);
        EXPECT_EQ(object->updates, 1);
    }
    doomed->markDead();
    scene.renderContext();
    EXPECT_EQ(group->getChildren().count(), 1u);
}

TEST(SkyLayer, ShakeSwingsToTheOtherSideOneUnitSmallerEachFrameAndMovesTheCamera) {
    SceneKit kit;
    SkyLayer sky(false);
    sky.horizontalShake = 15;
    for (const int expected : {-14, 13, -12, 11, -10, 9, -8, 7, -6, 5, -4, 3, -2, 1, 0, 0}) {
        sky.frameUpdate();
        EXPECT_EQ(sky.horizontalShake, expected);
        EXPECT_EQ(kit.game->cameraX, expected);
    }
}

TEST(EngineFlame, AfterburnerSmokeGoesToTheSceneItFliesInNeverToTheRunningGame) {
    SceneKit kit;
    kit.game->engine = kit.chain(7, 8, 8);
    kit.game->configuration.detail = 1;
    OwningScene cutscene, game;
    auto* effects = new ObjectGroup;
    game.adopt(effects);
    game.setEffectList(effects);
    kit.game->setGameController(&game);
    auto* flame = new EngineFlame;
    flame->bAfterburner = true;
    cutscene.addChild(flame);
    cutscene.renderContext();
    EXPECT_EQ(cutscene.getChildren().count(), 2u); // the flame and its smoke
    EXPECT_TRUE(effects->getChildren().isEmpty());
    game.adopt(flame);
    game.renderContext();
    EXPECT_EQ(effects->getChildren().count(), 1u);
}

TEST(ParticleBurst, LivesAsLongAsItsSpeedAllowsAndFadesThroughItsFrames) {
    SceneKit kit;
    Smoke burst(20, 100, 100, 3.0, std::numbers::pi / 2, std::numbers::pi);
    for (int i = 0; i < burst.count; ++i) {
        const auto& p = burst.particles[static_cast<std::size_t>(i)];
        EXPECT_GE(p.vy, 0.0);                             // downwards, within 90 degrees of straight down
        EXPECT_LE(p.life, std::hypot(p.vx, p.vy) + 1e-9); // shorter towards the cone's edges
    }
    Explosion sparks(1, 0, 0, 5.0, 0, FULL_CIRCLE);
    sparks.particles[0].life = 5.0;
    int frames = 0;
    for (; !sparks.isDead() && frames < 100; ++frames)
        sparks.frameUpdate();
    EXPECT_EQ(frames, 41); // 40 frames alive, then the one that finds nothing left
    Explosion still(3, 0, 0, 0.0, 0, FULL_CIRCLE);
    still.frameUpdate();
    EXPECT_TRUE(still.isDead());
    SmokeProbe probe;
    for (const auto& [life, frame] : {std::pair{5.0, 0}, {3.0, 8}, {0.01, 19}, {9.0, 0}, {400.0, 0}})
        EXPECT_EQ(probe.frameOf({0, 0, 0, 0, life, 0}), frame) << life;
}

TEST(ParticleBurstDeathTest, MoreThanMaxSparcsOrAFasterExplosionStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(Explosion(251, 0, 0, 1.0, 0, FULL_CIRCLE), "numSparcs <= MAXSPARCS");
    EXPECT_DEATH(Smoke(251, 0, 0, 1.0, 0, FULL_CIRCLE), "numSparcs <= MAXSPARCS");
    EXPECT_DEATH(Explosion(10, 0, 0, 5.5, 0, FULL_CIRCLE), "_maxSpeed <= MAXSPEED");
}
