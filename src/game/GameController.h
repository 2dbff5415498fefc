#pragma once
#include <array>
#include <cstdint>
#include "core/VekBasePointer.h"
#include "game/WaveCaptions.h"
#include "game/scene/ContextScene.h"

class CaptionText;
class Cutscene;
class Hud;
class ObjectGroup;
class PlayerData;
class SkyLayer;
struct HIGHSCOREENTRY;
struct SavegameData;

/// The running game: one screen on the context stack that owns both players with their huds,
/// the sky, the captions and every game object (in seven lists), and leads the game through
/// its waves, stages and star systems with its state machine. Every game object reaches it
/// through `running()`. The context stack owns it; leaving the stack ends the game.
///
/// Game time is the scene clock. The state delays and the game time count only while the
/// game is the top screen (a pause, a cutscene or the star map above it stops them).
/// Main thread only.
class GameController : public ContextScene {
    VEK_REGISTERED_CLASS()

    /// The states of the game's flow, entered by `setState`.
    enum State : int32_t {
        NEXT_WAVE = 1,
        WAVE_INTRO = 2,
        WAVE_PLAY = 3,
        WAVE_DONE = 4,
        SYSTEM_INTRO = 5,
        NEW_SYSTEM = 6,
        SYSTEM_END = 7,
        GAME_OVER = 8,
        GAME_END = 9,
    };
    static constexpr int PLAYERS = 2;
    static constexpr int LAST_SYSTEM = 10;
    static constexpr int SWAY_RANGE = 80;
    /// The wave's start time once its early-bird bonus is paid: long ago, however young the
    /// game's clock is (a game started at a later wave kills within its first seconds).
    static constexpr double EARLY_BIRD_TAKEN = -1.0e9;

    /// The extent of the grid formation, which its members widen every frame; the sway keeps
    /// the formation between 40 and 600. Reset after each frame's sway step.
    struct FormationExtent {
        int32_t minX = 640;
        int32_t minY = 480;
        int32_t maxY = 0;
        int32_t maxX = 0;
    };

    /// Everything of a game before its first wave; takes two draws of the generator (the sway).
    GameController();

    /// The running game, or null outside a game.
    static GameController* running();
    /// A new game: made, stored in the game root, appended to the stack and only then marked
    /// closed, so that it leaves the stack unless a player joins before it is on top; then it
    /// goes to its first wave. Without in-game music the menu music fades out.
    static GameController* startNewGame();
    /// A saved game continued (the game-start screen's continue): a new game restored from
    /// `record` of slot `type` (0: after a wave, 1: after a system; see `loadgame`), which goes
    /// on with the wave after the saved one. `record` must hold a game. The menu music fades out.
    static GameController* continueGame(int type, const SavegameData& record);
    /// A game at `firstWave` (1 to 110) with players 0 to `playerCount` - 1 in it at once, as
    /// the command line starts one: wave 1 is a new game that they join; a later wave continues
    /// `savedBefore` it.
    static GameController* startAt(int firstWave, int playerCount);
    /// The saved game after wave `firstWave` - 1 (2 to 110) of `playerCount` fresh players
    /// with the configured difficulty, from which a game at `firstWave` continues.
    static SavegameData savedBefore(int firstWave, int playerCount);
    /// Player `index` (0 or 1) joins: it appears at once and the game stays open. The first
    /// join of a new game gives up the current profile's two saved games. A player who is
    /// already in the game, or out of it for good, stays as it is.
    void joinPlayer(int index);

    /// The frame: the formation's sway, the fighters' distance, every object's frame step in
    /// drawing order, then the checks for a cleared wave, a game without players and a pause.
    void renderScene() override;
    /// Leaving the stack ends the game: the game root forgets it and the menu music starts.
    void onSceneClosed() override;
    /// The window lost the focus: a game on top of the stack pauses.
    void onModeChange(VekMode from, VekMode to) override;
    int32_t getFormationSway() const override { return swayOffset; }
    /// The wave, the flags and counters and both players before the scene's part.
    void addToDigest(GameDigest& digest) const override;

    /// The player an enemy aims at: a random one of two in the game, the one in it, or -1.
    int pickPlayer() const;
    /// Makes the field empty for a new system: the players in the game appear anew, every
    /// shot, item and effect goes (the enemies stay) and the captions stop.
    void clearField();
    /// The wave's start: the mystery bonus of wave 60, the per-wave resets, the charity and
    /// the digest log.
    void startWave();
    /// The end of a wave: the efficiency and destroyer bonuses.
    void awardWaveBonuses();
    /// Writes the game into `record` (type 0 after a wave, 1 after a system; for the log).
    void savegame(int type, SavegameData& record) const;
    /// Reads the game from `record`, which must hold one: the wave and the game's counters
    /// (missiles of the system only for type 0), and each present player comes in with its
    /// weapon and power; type 0 restores the players' counters too, type 1 keeps them fresh.
    void loadgame(int type, const SavegameData& record);
    /// Stores the game in the game root, puts it on the stack, loads `record` with its huds
    /// shown, and goes on with the next wave.
    void restoreGame(int type, const SavegameData& record);
    /// Keeps the lives and weapon power of slot 0 of the current profile up to date.
    void storePlayerStats() const;
    /// A player has lost its last life: with no player left the game is over, unless its end
    /// is on its way already (a game over, or the countdown of a completed game, which a late
    /// loss does not turn into a game over).
    void onPlayerOut();
    /// The player plays or waits to appear (neither out of the game nor out of lives).
    bool isTakingPart(int index) const;
    /// Opens the pause screen above the game (once, until it has closed).
    void openPause();
    /// Leaves the game (the pause screen's quit), its ended game's results entered first.
    void quit();
    /// A game that has ended (a game over, or the last system completed) and still waits for
    /// its farewell scene enters its players' results into the high-score table, as that scene
    /// would have; once. The game root calls it when the program ends, however it ends.
    void enterPendingResults();
    /// Player `index`'s high-score row of the game's result as it stands now (`keepResult`).
    HIGHSCOREENTRY resultRow(std::size_t index) const;

    std::array<PlayerData*, PLAYERS> players{}; ///< owned
    std::array<Hud*, PLAYERS> huds{};           ///< owned
    SkyLayer* sky;                              ///< owned
    std::array<CaptionText*, CAPTION_LINES> captions{}; ///< owned
    // The lists of game objects, owned. Each holds objects of one family only.
    ObjectGroup* enemies;    ///< `Enemy`s
    ObjectGroup* enemyShots; ///< `EnemyShot`s
    ObjectGroup* playerShots;///< `PlayerShot`s (missiles too)
    ObjectGroup* smoke;      ///< smoke of missiles and destroyed enemies
    ObjectGroup* effects;    ///< flame trails, muzzle flashes, collect bubbles
    ObjectGroup* explosions;
    ObjectGroup* items;      ///< `Pickup`s

    int32_t wave = 0;   ///< 1 to 110; 0 before the first
    int32_t stage = 0;  ///< 0 to 9 within the system
    int32_t system = 0; ///< 0 to 10
    FormationExtent extent;
    int32_t swayLower = 0;
    int32_t swayUpper = SWAY_RANGE;
    int32_t swayOffset;    ///< the formation's horizontal offset, followed by its members
    int32_t swayDirection; ///< +1 or -1
    bool bFirstKillPending = false;
    bool bMissileUsedThisWave = false;
    bool bMissileUsedThisSystem = false;
    bool bMissileUsedEver = false;
    std::array<bool, 3> lootDropped{}; ///< an atom, gift box or roast was dropped in this wave
    double waveStartTime = 0.0;        ///< game time; EARLY_BIRD_TAKEN once the early bird is paid
    double teamDistance = 0.0;         ///< greatest distance of the two fighters in this wave
    int32_t difficulty;                ///< 0 or 1, the setting when the game began
    /// Fighters destroyed without losing their life (the checks' invulnerability); a game with
    /// any is not entered into the high scores as signed.
    int32_t reserveCounter = 0;
    /// A fighter was lost in this wave: a destroyed mothership pays no survivors' bonus.
    bool bNoBonus = false;
    /// For checks only: destroyed fighters keep their lives.
    bool bInvulnerable = false;
    /// For checks only: off, the waves bring no formation (the checks place their own enemies).
    bool bFormations = true;
    /// Built when the game begins, so a game keeps the language it began in.
    std::array<WaveCaption, WAVE_COUNT + 1> waveCaptions;

  protected:
    void onStateChange() override;

  private:
    using StateEntry = void (GameController::*)();
    static const std::array<StateEntry, GAME_END + 1> STATE_ENTRIES;

    void enterNextWave();
    void enterWaveIntro();
    void enterWavePlay();
    void enterWaveDone();
    void enterSystemIntro();
    void enterNewSystem();
    void enterSystemEnd();
    void enterGameOver();
    void enterGameEnd();
    /// The last system done: no saved game is left, and the game ends after the captions.
    void completeGame();
    /// The game root's kept results hold the game's result as it stands now, in place of the
    /// saved game in slot 0 of the current profile, which is emptied; a change goes to the
    /// results file's writer at once, so that a killed program enters it at its next start. The
    /// rows' time is that of the game's first keep. Whether the rows or the slot changed.
    bool keepResult();
    /// Once the game has ended and until its result is in the table, hands the profile file to
    /// its writer at the end of each frame that changed the kept result (the loss's frame, then
    /// points still scored in the wait), so a kill enters what the farewell would.
    void followResult();
    /// The game has ended (a game over, or the last system completed), and its result is not in
    /// the high-score table yet.
    bool isAwaitingEnd() const;

    /// On the easy difficulty, players whose weapon is weaker than the system's half less one
    /// get the charity message and the missing power levels as atoms.
    void giveCharity();
    void swayFormation();
    void measureTeamDistance();
    void checkWaveCleared();
    void checkPlayersLeft();
    void checkPause();
    bool isPauseRequested() const;
    /// Shows the mouse pointer only while it steers player 1's fighter.
    void showPointerWhileSteering();
    /// Shows the text of `textId` on caption line `line` (0 to 2) for `seconds`, blinking
    /// every `blink` frames.
    void showCaption(int line, StringId textId, double seconds, int32_t blink);
    /// The scene at the game's end: the diner and each player's ship with its result.
    Cutscene* createFarewell() const;
    /// Player `index` was in this game at some time, so its result goes into the high scores.
    bool hasResult(std::size_t index) const;
    void drawDebugLine() const;

    bool bNewGame = false;    ///< no player has joined yet
    bool bResultsEntered = false; ///< by `enterPendingResults`, before the farewell scene
    uint32_t resultTime = 0; ///< of the rows of this game's result (seconds since 1970); 0 until kept
    uint32_t resultGame = 0; ///< the number its rows are kept under (`KeptResults::newGame`)
    VekBasePointer pauseScreen; ///< the pause screen while it is on the stack
};
