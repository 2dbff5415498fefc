#include "PlaySupport.h"
#include "game/ContextManager.h"
#include "game/SavegameData.h"
#include "game/hud/CaptionText.h"

#ifdef VEK_ASSETS_DIR

namespace {

using State = GameController::State;

/// The states the game passes through, each with the frame it was entered in (states entered
/// and left within one frame are not seen). Screens above the game close as they come.
std::vector<std::pair<int32_t, int>> stateSequence(PlayHarness& harness, int frames) {
    std::vector<std::pair<int32_t, int>> seen{{harness.controller.getState(), 0}};
    for (int frame = 1; frame <= frames; ++frame) {
        harness.step();
        for (VekBase* c = harness.controller.getNext(); c; c = c->getNext())
            static_cast<Context*>(c)->closed = true;
        if (harness.controller.getState() != seen.back().first) seen.emplace_back(harness.controller.getState(), frame);
    }
    return seen;
}

SavegameData& slot(GameHarness& harness, int index) {
    return harness.game().profiles.records[harness.game().profiles.currentProfile].savegames[index];
}

} // namespace

TEST(GameController, StepsThroughItsWavesWithFrameExactDelaysAndSavesAtEachWaveEnd) {
    PlayHarness harness(9);
    // Wave 9: captions after 1 s, the formation 1 s later; with no enemy the wave ends 1 s on.
    // Wave 10 ends its system (saved twice, then 3 s of farewell); wave 11 opens the next one,
    // 3 s and 3 s (its star map and interlude closed as they come).
    const std::vector<std::pair<int32_t, int>> expected = {
        {State::NEXT_WAVE, 0},    {State::WAVE_INTRO, 29},   {State::WAVE_PLAY, 59},   {State::NEXT_WAVE, 89},
        {State::WAVE_INTRO, 119}, {State::WAVE_PLAY, 149},   {State::SYSTEM_END, 179}, {State::SYSTEM_INTRO, 269},
        {State::NEW_SYSTEM, 359}, {State::WAVE_INTRO, 449}, {State::WAVE_PLAY, 479}};
    EXPECT_EQ(stateSequence(harness, 490), expected);
    EXPECT_EQ(harness.controller.wave, 11);
    EXPECT_EQ(harness.controller.system, 1);
    EXPECT_EQ(harness.controller.stage, 0);
    for (int index : {0, 1}) {
        EXPECT_TRUE(slot(harness, index).bValidData);
        EXPECT_EQ(slot(harness, index).wave, 10);
        EXPECT_TRUE(slot(harness, index).players[0].present);
        EXPECT_FALSE(slot(harness, index).players[1].present);
    }
    EXPECT_EQ(harness.controller.captions[1]->text, u"Initial Approach");
}

TEST(GameController, WaitsForTheLastEnemyAndItsShots) {
    PlayHarness harness(2);
    StillEnemy* enemy = harness.addEnemy(320, 100);
    ASSERT_TRUE(harness.runUntil([&] { return harness.controller.getState() == State::WAVE_PLAY; }, 100));
    harness.step(60);
    enemy->takeDamage(100, 0);
    harness.step(30);
    EXPECT_EQ(harness.controller.getState(), State::WAVE_PLAY);
    harness.step();
    EXPECT_EQ(harness.controller.getState(), State::NEXT_WAVE) << "one second after the enemy's end";
    EXPECT_EQ(harness.controller.wave, 3);
}

TEST(GameController, EscapeThePauseKeyAndLosingTheFocusOpenOnePauseAboveTheGame) {
    bool bFocus = true;
    GameHarnessOptions options;
    options.isInForeground = [&] { return bFocus; };
    PlayHarness harness(2, 1, options);
    const auto pauseOnTop = [&] {
        harness.step();
        Context* top = harness.stack().getTopContext();
        const bool bPaused = top != &harness.controller && !harness.controller.closed;
        top->closed = true;
        harness.step();
        return bPaused && harness.stack().getTopContext() == &harness.controller;
    };
    for (const int key : {1, 0xC5}) {
        harness.input().keys[static_cast<std::size_t>(key)] = true;
        EXPECT_TRUE(pauseOnTop()) << key;
        harness.input().keys[static_cast<std::size_t>(key)] = false;
    }
    bFocus = false;
    harness.step(3);
    bFocus = true;
    EXPECT_TRUE(pauseOnTop());
    const std::size_t screens = harness.stack().getChildren().count();
    harness.controller.openPause();
    harness.controller.openPause();
    EXPECT_EQ(harness.stack().getChildren().count(), screens + 1);
}

TEST(GameController, ThePointerShowsOnlyWhileTheMouseSteers) {
    PlayHarness harness;
    harness.untilPlaying();
    EXPECT_FALSE(harness.controller.showPointer) << "a mouse that never moved steers nothing";
    const auto left = static_cast<std::size_t>(harness.game().configuration.keyboardBindings[0][0]);
    harness.input().keys[left] = true;
    harness.step();
    EXPECT_FALSE(harness.controller.showPointer);
    harness.input().keys[left] = false;
    harness.input().mouseX = 300.f;
    harness.input().bMouseMoved = true;
    harness.step();
    EXPECT_TRUE(harness.controller.showPointer);
}

TEST(GameController, SharedLivesLendOneLifeUntilBothAreOutThenTheGameIsOver) {
    struct Case {
        bool bShared;
        int32_t partnerLives;
        int32_t wantState;
        int32_t wantLives;
        int32_t wantPartnerLives;
    };
    const Case cases[] = {
        {true, 3, PlayerData::ENTERING, 0, 2},
        {true, 1, PlayerData::OUT, 0, 1},
        {false, 3, PlayerData::OUT, 0, 3},
    };
    for (const Case& c : cases) {
        PlayHarness harness(2, 2);
        harness.game().configuration.sharedLives = c.bShared;
        harness.untilPlaying(0);
        harness.untilPlaying(1);
        harness.player(0).lives = 1;
        harness.player(1).lives = c.partnerLives;
        harness.player(0).destroyed();
        EXPECT_EQ(harness.player(0).getState(), c.wantState);
        EXPECT_EQ(harness.player(0).lives, c.wantLives);
        EXPECT_EQ(harness.player(1).lives, c.wantPartnerLives);
        EXPECT_EQ(harness.queued(1), c.wantState == PlayerData::ENTERING ? 1u : 0u) << "the assist bonus";
    }
    PlayHarness harness(2, 2);
    harness.untilPlaying(0);
    harness.untilPlaying(1);
    harness.player(0).lives = harness.player(1).lives = 1;
    harness.player(0).destroyed();
    harness.player(1).destroyed();
    EXPECT_EQ(harness.controller.getState(), State::GAME_OVER);
    EXPECT_FALSE(slot(harness, 0).bValidData);
    harness.step(151);
    EXPECT_EQ(harness.controller.getState(), State::GAME_END);
    EXPECT_NE(harness.stack().getTopContext(), &harness.controller) << "the high scores above the closed game";
}

TEST(GameController, ABorrowedLifeIsNotTheBorrowersOwnSoItsNextLossBorrowsAgainOrEndsItsGame) {
    struct Case {
        int32_t partnerLives;
        int32_t wantState;        // after the second loss
        int32_t wantPartnerLives; // after the second loss
    };
    const Case cases[] = {
        {5, PlayerData::ENTERING, 3},
        {3, PlayerData::ENTERING, 1},
        {2, PlayerData::OUT, 1},
    };
    for (const Case& c : cases) {
        PlayHarness harness(2, 2);
        harness.game().configuration.sharedLives = true;
        harness.untilPlaying(0);
        harness.untilPlaying(1);
        PlayerData& borrower = harness.player(0);
        borrower.lives = 1;
        harness.player(1).lives = c.partnerLives;
        borrower.destroyed();
        EXPECT_EQ(borrower.getState(), PlayerData::ENTERING) << c.partnerLives;
        EXPECT_EQ(borrower.lives, 0) << c.partnerLives;
        EXPECT_EQ(harness.player(1).lives, c.partnerLives - 1) << c.partnerLives;
        EXPECT_EQ(slot(harness, 0).players[0].lives, 0) << "kept for the continue";
        harness.untilPlaying(0);
        borrower.destroyed();
        EXPECT_EQ(borrower.getState(), c.wantState) << c.partnerLives;
        EXPECT_EQ(borrower.lives, 0) << c.partnerLives << ": never below none";
        EXPECT_EQ(harness.player(1).lives, c.wantPartnerLives) << c.partnerLives;
        EXPECT_NE(harness.controller.getStateGoto(), State::GAME_OVER) << "the partner plays on";
    }
}

#endif
