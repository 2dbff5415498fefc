#include "../game/PlaySupport.h"
#include "core/Language.h"
#include "core/ResourceManager.h"
#include "core/VekBasePointer.h"
#include "game/GameInput.h"
#include "media/SoundStream.h"
#include "media/VekAudio.h"
#include "media/VekInput.h"
#include "menus/ContextGameStart.h"
#include "menus/ContextMain.h"
#include "menus/ContextPause.h"
#include "menus/ContextPopup.h"
#include "menus/GameMenuScreens.h"
#include "menus/MenuButton.h"

#ifdef VEK_ASSETS_DIR

namespace {

constexpr int KEY_ESCAPE = 1;

/// The whole program with the menus' own screens, on the main menu of a player called Kira.
struct MenuHarness : GameHarness {
    MenuHarness() : GameHarness(withMenus()) {
        game().profiles.addProfile(u"Kira");
        closeAboveMainMenu(); // the name entry that the empty first name asked for
    }
    static GameHarnessOptions withMenus() {
        GameHarnessOptions options;
        options.createScreens = [] { return std::make_unique<GameMenuScreens>(); };
        return options;
    }
    void closeAboveMainMenu() {
        while (!dynamic_cast<ContextMain*>(stack().getTopContext())) {
            stack().getTopContext()->closed = true;
            step();
        }
    }
    /// Presses the mouse's button over the top screen's button showing `caption`, lifts it a
    /// frame later and runs `after` more frames.
    void click(StringId caption, int after = 2) {
        MenuButton* button = findButton(caption);
        ASSERT_NE(button, nullptr) << toUtf8(Vek::get()->getLanguage().getString(caption));
        const Vector3 at = button->getWorldPosition();
        moveMouse(320.f + at.x, 240.f - at.y);
        input().mouseButtons[0] = true;
        step();
        input().mouseButtons[0] = false;
        step(after + 1);
    }
    void moveMouse(float x, float y) {
        input().mouseX = x;
        input().mouseY = y;
        input().bMouseMoved = true;
        step();
    }
    void pressKey(int key) {
        input().keys[static_cast<std::size_t>(key)] = true;
        step();
        input().keys[static_cast<std::size_t>(key)] = false;
        step(2);
    }
    MenuButton* findButton(StringId caption) {
        const WideString text = Vek::get()->getLanguage().getString(caption);
        for (VekBase* child = stack().getTopContext()->getChildren().getHead(); child; child = child->getNext())
            if (auto* button = dynamic_cast<MenuButton*>(child); button && button->caption == text) return button;
        return nullptr;
    }
    SavegameData& slot(int index) {
        return game().profiles.records[game().profiles.currentProfile].savegames[index];
    }
    /// The main menu's start button: the game-start screen comes up.
    ContextGameStart& openGameStart() {
        click(STR_STARTGAME);
        auto* screen = dynamic_cast<ContextGameStart*>(stack().getTopContext());
        EXPECT_NE(screen, nullptr);
        return *screen;
    }
    template <class Screen> bool isOnTop() { return dynamic_cast<Screen*>(stack().getTopContext()) != nullptr; }
};

/// The rows of `table` that hold a score of `score` or above, as "name score".
std::vector<std::string> rowsFrom(const GameConfigurationRecord& table, int32_t score) {
    std::vector<std::string> rows;
    for (const HIGHSCOREENTRY& row : table.highScores)
        if (row.score >= score) rows.push_back(toUtf8(row.name.get()) + " " + std::to_string(row.score));
    return rows;
}

/// A saved game after `wave` on `difficulty` with one player.
SavegameData savedAfter(int32_t wave, int32_t difficulty) {
    SavegameData saved = GameController::savedBefore(wave + 1, 1);
    saved.difficulty = difficulty;
    return saved;
}

} // namespace

TEST(ContextGameStart, StartsANewGameAfterAskingWhileASavedGameExistsAndGivesItUpOnlyWhenAPlayerJoins) {
    struct Case {
        const char* name;
        bool bSaved;      // slot 1 holds a game
        StringId answer;  // to the question, when it is asked
    };
    const Case cases[] = {{"nothing saved", false, 0}, {"saved, no", true, STR_NO}, {"saved, yes", true, STR_YES}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuHarness harness;
        if (c.bSaved) harness.slot(1) = savedAfter(20, 0);
        harness.openGameStart();
        harness.click(STR_SOLONEWGAME, c.bSaved ? 2 : 0);
        EXPECT_EQ(harness.isOnTop<ContextPopup>(), c.bSaved);
        if (c.answer) harness.click(c.answer, 0);
        // Until a player joins in its opening, the game stands closed and goes when it is on top.
        harness.runUntil([] { return GameController::running() != nullptr; }, 2);
        GameController* game = GameController::running();
        ASSERT_EQ(game != nullptr, c.answer != STR_NO);
        EXPECT_EQ(harness.isOnTop<ContextGameStart>(), game == nullptr);
        if (!game) continue;
        EXPECT_EQ(harness.slot(1).bValidData, c.bSaved) << "kept until somebody plays";
        game->joinPlayer(0);
        EXPECT_FALSE(harness.slot(0).bValidData || harness.slot(1).bValidData);
    }
}

TEST(ContextGameStart, AGameWithoutInGameMusicSilencesTheMenuMusicAndWithItHasTheInterludeMusicTakeOver) {
    struct Case {
        const char* name;
        bool bInGameMusic;
        const char16_t* music;  // current once the opening interlude is up; null: none
        int playWave;           // the command line's game (--play); 0: the menus' new game
    };
    const Case cases[] = {
        {"in-game music on", true, u"musicCutsceneRemastered", 0},
        {"in-game music off", false, nullptr, 0},
        {"--play 1, in-game music on", true, u"musicCutsceneRemastered", 1},
        {"--play 1, in-game music off", false, nullptr, 1},
        {"--play 52, in-game music off", false, nullptr, 52},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuHarness harness;
        harness.game().configuration.inGameMusic = c.bInGameMusic;
        if (!c.playWave) harness.openGameStart();
        VekAudio& audio = *VekAudio::get();
        SoundStream* menuMusic = audio.getCurrentMusic();
        ASSERT_NE(menuMusic, nullptr);
        if (c.playWave)
            GameController::startAt(c.playWave, 2);
        else
            harness.click(STR_SOLONEWGAME);
        harness.step(3);
        ASSERT_NE(GameController::running(), nullptr);
        // A second and a bit of output: long enough for any fade to end.
        std::vector<float> output(static_cast<std::size_t>(audio.getMixer().getOutputFrequency()) * 11 / 10 * 2);
        audio.getMixer().render(output.data(), static_cast<int>(output.size() / 2));
        EXPECT_FALSE(menuMusic->isPlaying());
        SoundStream* expected = c.music ? Vek::get()->getResourceManager().find<SoundStream>(c.music) : nullptr;
        EXPECT_EQ(audio.getCurrentMusic(), expected);
        if (expected) {
            EXPECT_TRUE(expected->isPlaying());
        }
    }
}

TEST(ContextGameStart, ContinuesTheGameAfterTheLastWaveElseAfterTheLastSystemAndSaysWhichOne) {
    struct Case {
        const char* name;
        int32_t afterWave;    // slot 0's last wave, 0 for none
        int32_t afterSystem;  // slot 1's last wave, 0 for none
        const char* hint;     // of the continue button; "" when it is disabled
        int32_t nextWave;     // of the continued game
    };
    const Case cases[] = {
        {"none", 0, 0, "", 0},
        {"after a wave", 11, 0, "Veteran player, Wave 12", 12},
        {"after a system", 0, 10, "Rookie player, Neptune", 11},
        {"after the last system but one", 0, 100, "Rookie player, The Sun", 101},
        {"both", 13, 10, "Veteran player, Wave 14", 14},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuHarness harness;
        if (c.afterWave) harness.slot(0) = savedAfter(c.afterWave, 1);
        if (c.afterSystem) harness.slot(1) = savedAfter(c.afterSystem, 0);
        ContextGameStart& screen = harness.openGameStart();
        EXPECT_EQ(screen.continueButton->disabled, !*c.hint);
        EXPECT_EQ(toUtf8(screen.continueButton->disabled ? screen.continueButton->disabledHint
                                                         : screen.continueButton->hint),
                  *c.hint ? c.hint : "You don't have a saved mission yet.");
        EXPECT_EQ(screen.newGameButton->confirmMessage.empty(), !*c.hint) << "a new game asks first";
        const SoundStream* menuMusic = VekAudio::get()->getCurrentMusic();
        ASSERT_NE(menuMusic, nullptr);
        harness.click(STR_SOLOCONTINUEGAME);
        GameController* game = GameController::running();
        ASSERT_EQ(game != nullptr, c.nextWave != 0);
        EXPECT_EQ(VekAudio::get()->getCurrentMusic() != menuMusic, game != nullptr) << "the menu music fades";
        EXPECT_EQ(game ? game->wave : 0, c.nextWave);
        if (c.afterSystem != 100) continue;
        SavegameData damaged = savedAfter(c.afterSystem, 0);
        damaged.system = 10; // the planet after the last is the last
        EXPECT_EQ(toUtf8(ContextGameStart::describeSavedGame(SavegameData{}, damaged)), c.hint);
    }
}

TEST(ContextPause, ResumesOrQuitsGoesWithItsScreenAndPutsTheMouseBack) {
    enum class Way { Escape, Resume, QuitNo, QuitYes };
    struct Case {
        const char* name;
        Way way;
        int inputMode;
        bool bPaused;     // the pause is still on top afterwards
        bool bGameGoes;   // the game has ended and the main menu is on top
        bool bMouseBack;  // the mouse is where it was when the game paused
    };
    const Case cases[] = {
        {"escape", Way::Escape, INPUTMODE_MOUSE, false, false, true},
        {"resume", Way::Resume, INPUTMODE_MOUSE, false, false, true},
        {"resume by touch", Way::Resume, INPUTMODE_TOUCH, false, false, false},
        {"quit, then no", Way::QuitNo, INPUTMODE_MOUSE, true, false, false},
        {"quit", Way::QuitYes, INPUTMODE_MOUSE, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuHarness harness;
        GameController::startAt(2, 1);
        harness.moveMouse(200.f, 300.f);
        GameInput::getInput()->setInputMode(c.inputMode);
        harness.pressKey(KEY_ESCAPE);
        const VekBasePointer pause(dynamic_cast<ContextPause*>(harness.stack().getTopContext()));
        ASSERT_TRUE(pause);
        harness.moveMouse(10.f, 10.f);
        if (c.way == Way::Escape) harness.pressKey(KEY_ESCAPE);
        if (c.way == Way::Resume) harness.click(STR_RESUME);
        if (c.way == Way::QuitNo || c.way == Way::QuitYes) {
            harness.click(STR_QUITGAME);
            harness.click(c.way == Way::QuitYes ? STR_YES : STR_NO);
        }
        harness.step(2);
        EXPECT_EQ(bool(pause), c.bPaused) << "a closed pause is deleted";
        EXPECT_EQ(harness.game().getGameController() == nullptr, c.bGameGoes);
        EXPECT_EQ(dynamic_cast<ContextMain*>(harness.stack().getTopContext()) != nullptr, c.bGameGoes);
        const Vector3 mouse = GameInput::getInput()->pointer;
        EXPECT_EQ(mouse.x == 200.f && mouse.y == 300.f, c.bMouseBack) << mouse.x << ", " << mouse.y;
    }
}

TEST(ContextPause, LeavingAGameThatHasEndedEntersItsResultsOnceAsItsEndWouldAndARunningOneEntersNone) {
    enum class End { None, GameOver, Completion };
    enum class Leave {
        Quit,       // from the pause
        Resume,     // no to the pause's question, and the game runs to its end
        ProgramEnd, // the window closed or a signal: the roots go without the menus
        QuitAndProgramEnd,
    };
    struct Case {
        const char* name;
        int wave;
        int players;
        End end;
        Leave leave;
        std::vector<std::string> wantRows;
    };
    const Case cases[] = {
        {"game over", 12, 1, End::GameOver, Leave::Quit, {"Kira 654321"}},
        {"game over of two", 12, 2, End::GameOver, Leave::Quit, {"Kira 654321", "Kira-2 543210"}},
        {"the wait after the last wave", 110, 1, End::Completion, Leave::Quit, {"Kira 654321"}},
        {"a running game", 12, 1, End::None, Leave::Quit, {}},
        {"game over, not quit: its end enters it once", 12, 1, End::GameOver, Leave::Resume, {"Kira 654321"}},
        {"the program ends at game over", 12, 2, End::GameOver, Leave::ProgramEnd, {"Kira 654321", "Kira-2 543210"}},
        {"the program ends after the last wave", 110, 1, End::Completion, Leave::ProgramEnd, {"Kira 654321"}},
        {"the program ends in a running game", 12, 1, End::None, Leave::ProgramEnd, {}},
        {"quit, then the program ends at once", 12, 1, End::GameOver, Leave::QuitAndProgramEnd, {"Kira 654321"}},
    };
    constexpr int32_t SCORES[] = {654321, 543210}; // above every row of a fresh table
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuHarness harness;
        GameController& game = *GameController::startAt(c.wave, c.players);
        game.bFormations = false;
        for (int i = 0; i < c.players; ++i) {
            PlayerData& player = *game.players[static_cast<std::size_t>(i)];
            ASSERT_TRUE(harness.runUntil([&] { return player.getState() == PlayerData::PLAYING; }, 200));
            player.score = SCORES[i];
        }
        if (c.end == End::Completion) {
            ASSERT_TRUE(harness.runUntil([&] {
                game.enemies->getChildren().deleteAll();
                return game.getState() == GameController::SYSTEM_END;
            }, 200));
        }
        if (c.end == End::GameOver) {
            for (PlayerData* player : game.players)
                player->lives = 1; // none to lend
            for (PlayerData* player : game.players)
                player->destroyed();
        }
        if (c.leave == Leave::Quit || c.leave == Leave::Resume) {
            harness.pressKey(KEY_ESCAPE);
            harness.click(STR_QUITGAME);
            harness.click(c.leave == Leave::Quit ? STR_YES : STR_NO);
        }
        if (c.leave == Leave::QuitAndProgramEnd) game.quit(); // still on the stack as the roots go
        if (c.leave == Leave::Resume) {
            harness.click(STR_RESUME);
            ASSERT_TRUE(harness.runUntil([&] { return game.getState() == GameController::GAME_END; }, 800));
        }
        if (c.leave == Leave::ProgramEnd || c.leave == Leave::QuitAndProgramEnd) {
            shutDownEngine();
            const GameConfiguration saved;
            EXPECT_EQ(rowsFrom(saved, SCORES[1]), c.wantRows);
            continue;
        }
        EXPECT_EQ(rowsFrom(harness.game().configuration, SCORES[1]), c.wantRows);
        if (c.leave == Leave::Resume) continue;
        EXPECT_TRUE(harness.isOnTop<ContextMain>());
        EXPECT_FALSE(harness.slot(0).bValidData && c.end != End::None) << "an ended game keeps no saved game";
        const GameConfiguration saved; // the main menu on top again has saved the table
        EXPECT_EQ(rowsFrom(saved, SCORES[1]), c.wantRows);
    }
}

TEST(ContextPause, AGameQuitAfterALostShipContinuesWithTheLivesItHeld) {
    struct Case {
        const char* name;
        bool bShared;
        int32_t partnerLives;
        std::vector<int32_t> wantLives; // of both players in the continued game
    };
    const Case cases[] = {
        {"a life borrowed from the partner", true, 3, {0, 2}},
        {"the partner's last life is not lent", true, 1, {0, 1}},
        {"lives not shared", false, 3, {0, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuHarness harness;
        harness.game().configuration.sharedLives = c.bShared;
        harness.slot(0) = GameController::savedBefore(12, 2);
        harness.openGameStart();
        harness.click(STR_SOLOCONTINUEGAME);
        GameController& game = *GameController::running();
        game.bFormations = false;
        for (PlayerData* player : game.players)
            ASSERT_TRUE(harness.runUntil([&] { return player->getState() == PlayerData::PLAYING; }, 200));
        game.players[0]->lives = 1;
        game.players[1]->lives = c.partnerLives;
        game.players[0]->destroyed();
        harness.pressKey(KEY_ESCAPE);
        harness.click(STR_QUITGAME);
        harness.click(STR_YES);
        harness.openGameStart();
        harness.click(STR_SOLOCONTINUEGAME);
        const GameController* again = GameController::running();
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(std::vector<int32_t>({again->players[0]->lives, again->players[1]->lives}), c.wantLives);
    }
}

#endif
