#include "GameHarness.h"
#include <cmath>
#include <map>
#include "UserDataTestSupport.h"
#include "core/StringUtil.h"
#include "core/VekBasePointer.h"
#include "game/GameController.h"
#include "game/interludes/CutsceneBurgerJoint.h"
#include "game/interludes/NamedFighter.h"
#include "game/interludes/PlayerFighterCameo.h"
#include "game/interludes/SystemCutscenes.h"
#include "game/player/PlayerData.h"
#include "game/scene/Smoke.h"
#include "media/AudioMixer.h"
#include "media/SoundChannel.h"
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

/// Presses `code` for one frame, then lets it go for one.
void tap(GameHarness& harness, int code) {
    harness.input().keys[std::size_t(code)] = true;
    harness.step();
    harness.input().keys[std::size_t(code)] = false;
    harness.step();
}

constexpr int KEY_ESCAPE = 1;

int fireKey(GameHarness& harness, int player) {
    return harness.game().configuration.keyboardBindings[4][player];
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

TEST(OpeningInterlude, FireJoinsThatPlayerAndLeavingWithNobodyStartsNoGameAndKeepsTheSavedGame) {
    GameHarness harness;
    SavegameData& saved = harness.game().profiles.records[harness.game().profiles.currentProfile].savegames[0];
    saved.bValidData = true;
    GameController::startNewGame();
    harness.step();
    tap(harness, KEY_ESCAPE); // the star map
    tap(harness, KEY_ESCAPE); // the interlude
    EXPECT_EQ(harness.game().getGameController(), nullptr);
    EXPECT_TRUE(saved.bValidData);

    GameController* game = GameController::startNewGame();
    harness.step();
    tap(harness, KEY_ESCAPE);
    auto* interlude = dynamic_cast<CutsceneBurgerJoint*>(harness.stack().getTopContext());
    ASSERT_NE(interlude, nullptr);
    const VekBasePointer alive(interlude);
    tap(harness, fireKey(harness, 0)); // skips nothing here
    EXPECT_EQ(game->players[0]->getState(), PlayerData::ENTERING);
    EXPECT_FALSE(game->closed);
    EXPECT_FALSE(saved.bValidData) << "the first join gives the saved game up";
    tap(harness, fireKey(harness, 0));
    int smoke = 0;
    const int frames = runOut(harness, alive, 300, [&] { smoke = std::max(smoke, childrenOf<Smoke>(*interlude)); });
    EXPECT_EQ(game->players[1]->getState(), PlayerData::NOT_PLAYING);
    EXPECT_GT(frames, 30) << "the interlude closes once the ship has left, a second after the press";
    EXPECT_GT(smoke, 0) << "the take-off smoke is drawn with the interlude";
    EXPECT_EQ(harness.stack().getTopContext(), game);
}

TEST(Interludes, EachEndsWithItsPathOrASkipThatSilencesItsLoopingSound) {
    GameHarness harness;
    VekAudio& audio = *VekAudio::get();
    for (int32_t system = 1; system <= 10; ++system) {
        // Runs to its end untouched, then again skipped after its loop started.
        Cutscene* interlude = SystemCutscenes::create(system);
        const VekBasePointer alive(interlude);
        harness.stack().addContext(interlude);
        const int frames = runOut(harness, alive, 2000, [] {});
        EXPECT_FALSE(alive) << system;
        EXPECT_GT(frames, 5 * 30) << system;
        EXPECT_LT(frames, 25 * 30) << system;
        interlude = SystemCutscenes::create(system);
        interlude->deleteWhenClosed = false;
        harness.stack().addContext(interlude);
        harness.runUntil([&] { return interlude->sceneClock >= 8.0; }, 400);
        const bool bLooping = interlude->loop && interlude->loop->isPlaying();
        EXPECT_EQ(bLooping, system == 1 || system == 7 || system == 8 || system == 9) << system;
        tap(harness, fireKey(harness, system % 2));
        EXPECT_NE(harness.stack().getTopContext(), interlude) << system;
        if (interlude->loop) {
            EXPECT_FALSE(interlude->loop->isPlaying()) << system;
        }
        EXPECT_EQ(audio.getCurrentMusic(), nullptr) << "the music fades out";
        interlude->destroy();
    }
}

TEST(GameEnd, RanksBothPlayersWhicheverOrderAndMarksTheBetterRow) {
    struct Case {
        int32_t score0, score1;
        int32_t row0, row1; // the table holds 100000, 90000, ... 10000
        int32_t marked;
        const char16_t* name = u"Sixteen-Letters!";
        const char16_t* secondName = u"Sixteen-Letter-2"; // the name's first 14 characters and "-2"
    };
    const Case cases[] = {
        {95000, 55000, 1, 6, 1},  {55000, 95000, 6, 1, 1},  {5000, 95000, -1, 1, 1},
        {95000, 5000, 1, -1, 1},  {15000, 95000, -1, 1, 1}, {5000, 5000, -1, -1, -1},
        {95000, 55000, 1, 6, 1, u"AAAAAAAAAAAAA\U0001F600B", u"AAAAAAAAAAAAA\U0001F600-2"},
        {95000, 55000, 1, 6, 1, u"\U0001F600\U0001F600\U0001F600AAAAAAAAAA",
         u"\U0001F600\U0001F600\U0001F600AAAAAAAAAA-2"},
        {55000, 95000, 6, 1, 1, u"Al", u"Al-2"},
        // Both rows the same: both are entered, at the game's end and from the kept result.
        {500000, 500000, 0, 1, 0, u"ABCDEFGHIJKLMN-2", u"ABCDEFGHIJKLMN-2"},
    };
    const std::map<int32_t, std::u16string> ranks = {
        {0, u"First place!"}, {1, u"Second place!"}, {6, u"Seventh place!"}};
    GameHarness harness;
    GameGlobal& root = harness.game();
    root.profiles.addProfile(u"Sixteen-Letters!");
    GameConfiguration kept;
    for (const Case& c : cases) {
        SCOPED_TRACE(toUtf8(c.name) + " " + std::to_string(c.score0) + " " + std::to_string(c.score1));
        root.profiles.records[root.profiles.currentProfile].name.set(c.name);
        root.configuration.resetHighScores();
        std::copy(std::begin(root.configuration.highScores), std::end(root.configuration.highScores),
                  std::begin(kept.highScores));
        GameController* game = GameController::startNewGame();
        game->wave = 20;
        for (int i = 0; i < 2; ++i) {
            game->joinPlayer(i);
            game->players[std::size_t(i)]->score = i == 0 ? c.score0 : c.score1;
        }
        game->setState(GameController::GAME_END);
        Context* farewell = harness.stack().getTopContext();
        std::vector<NamedFighter*> fighters;
        for (VekBase* child = farewell->getChildren().getHead(); child; child = child->getNext())
            if (auto* fighter = dynamic_cast<NamedFighter*>(child)) fighters.push_back(fighter);
        ASSERT_EQ(fighters.size(), 2u);
        EXPECT_EQ(fighters[0]->row, c.row0);
        EXPECT_EQ(fighters[1]->row, c.row1);
        EXPECT_EQ(root.highlightedScoreRow, c.marked);
        for (const NamedFighter* fighter : fighters)
            if (fighter->row >= 0) {
                EXPECT_EQ(fighter->rankText(), ranks.at(fighter->row));
                EXPECT_EQ(root.configuration.highScores[fighter->row].name.get(),
                          fighter->playerIndex == 0 ? c.name : c.secondName);
            }
        // A start after a kill enters the result that the results file keeps as the farewell
        // did, and nothing into a table that took it.
        root.finishSaves();
        for (const char* start : {"the first start", "a restart"}) {
            KeptResults().enterInto(kept);
            EXPECT_EQ(bytesOf(kept.highScores), bytesOf(root.configuration.highScores)) << start;
        }
        for (VekBase* screen = game; screen; screen = screen->getNext())
            static_cast<Context*>(screen)->closed = true;
        // The table with the result reaches the disk, and the result is no longer kept.
        for (int frame = 0; frame < 2; ++frame) {
            harness.step();
            root.finishSaves();
        }
    }
}

#endif
