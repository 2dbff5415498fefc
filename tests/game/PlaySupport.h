#pragma once
// A game started in the harness as the program's --play starts one, and an enemy that stands
// still where it is put, for the tests of the controller, the players and their weapons.
#include "GameHarness.h"
#include "game/GameController.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Enemy.h"
#include "game/enemies/EnemyShot.h"
#include "game/hud/Hud.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/player/Weapon.h"
#include "game/scene/ObjectGroup.h"

#ifdef VEK_ASSETS_DIR

/// A zelbin that hovers at its place with the given hit points.
struct StillEnemy : Enemy {
    StillEnemy(double atX, double atY, int32_t hp) {
        surface = GameGlobal::get()->zelbin0->getSurf(0);
        setStartPosition(atX, atY);
        hitPoints = hp;
    }
    void frameUpdate() override {
        mover.update();
        Enemy::frameUpdate();
    }
};

/// A pod that hangs where it is put.
struct StillShot : EnemyShot {
    StillShot(double atX, double atY) {
        surface = GameGlobal::get()->pod->getSurf(0);
        x = atX;
        y = atY;
    }
};

struct PlayHarness : GameHarness {
    /// A game at `wave` with `players` joined, one frame on (it is the top screen). Its waves
    /// bring no formation unless the test turns them back on.
    explicit PlayHarness(int wave = 2, int players = 1, const GameHarnessOptions& options = {})
        : GameHarness(options), controller(*GameController::startAt(wave, players)) {
        controller.bFormations = false;
        step();
    }
    PlayerData& player(int index = 0) const { return *controller.players[static_cast<std::size_t>(index)]; }
    /// Frames until player `index` flies, shield down.
    void untilPlaying(int index = 0) {
        EXPECT_TRUE(runUntil([&] { return player(index).getState() == PlayerData::PLAYING; }, 200));
        player(index).fighter->shieldTimer = 0;
    }
    StillEnemy* addEnemy(double atX, double atY, int32_t hp = 100) {
        auto* enemy = new StillEnemy(atX, atY, hp);
        controller.enemies->add(enemy);
        return enemy;
    }
    /// The bonus messages waiting in player `index`'s hud.
    std::size_t queued(int index = 0) const {
        return controller.huds[static_cast<std::size_t>(index)]->messages->getChildren().count();
    }

    GameController& controller;
};

#endif
