#include "game/GameController.h"
#include <algorithm>
#include <cmath>
#include <ctime>
#include <utility>
#include "core/ErrorManager.h"
#include "core/GameRandom.h"
#include "core/Language.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "game/ContextManager.h"
#include "game/GameFont.h"
#include "game/GameGlobal.h"
#include "game/GameInput.h"
#include "game/GameSound.h"
#include "game/SavegameData.h"
#include "game/SurfaceChain.h"
#include "game/enemies/Atom.h"
#include "game/enemies/Formations.h"
#include "game/hud/CaptionText.h"
#include "game/hud/Hud.h"
#include "game/hud/TouchButtons.h"
#include "game/interludes/Cutscene.h"
#include "game/interludes/NamedFighter.h"
#include "game/interludes/StarMap.h"
#include "game/interludes/SystemCutscenes.h"
#include "game/player/Fighter.h"
#include "game/player/PlayerData.h"
#include "game/player/Weapon.h"
#include "game/player/WindowToField.h"
#include "game/scene/GameDigest.h"
#include "game/scene/ObjectGroup.h"
#include "game/scene/SkyLayer.h"
#include "game/scene/SpriteActor.h"
#include "media/FontQuad.h"
#include "media/VekInput.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(GameController, ContextScene, u"GameController")

namespace {

constexpr double SKY_WARP_SPEED = -32.0; // the sky's speed between systems
constexpr std::array<int32_t, CAPTION_LINES> CAPTION_HEIGHTS = {125, 150, 200};
constexpr double CAPTION_TIME = 2.0;
constexpr double WAVE_INTRO_DELAY = 1.0;   // from the next wave to its captions
constexpr double WAVE_PLAY_DELAY = 1.0;    // from the captions to the formation
constexpr double WAVE_CLEARED_DELAY = 1.0; // from the last enemy's end to the wave's
constexpr double SYSTEM_DELAY = 3.0;       // system intro to its captions, and on to the wave
constexpr double SYSTEM_END_DELAY = 3.0;  // from the system's farewell to its next wave
constexpr double COMPLETION_TIME = 10.0;  // from the last farewell to the game's end
constexpr double GAME_OVER_CAPTION_TIME = 4.0;
constexpr double GAME_OVER_TIME = 5.0;
constexpr double MUSIC_FADE_TIME = 1.0; // the menu music fades as a game starts without its own
constexpr int32_t GAME_OVER_BLINK = 1;
constexpr int32_t SWAY_LEFT = 40; // the formation sways between these field x
constexpr int32_t SWAY_RIGHT = 600;
constexpr int KEY_ESCAPE = 1;
constexpr int KEY_PAUSE = 0xC5;
constexpr int JOYSTICK_PAUSE = 2; // the joystick bindings: fire, missile, pause
constexpr int32_t MYSTERY_WAVE = 60;
constexpr int32_t MYSTERY_POINTS = 200000;
constexpr int32_t EFFICIENCY_POINTS = 15000;
constexpr int32_t DESTROYER_POINTS = 10000;
// Charity atoms fall in from just above the field, anywhere but at its very edges; they
// are limited, so a stronger partner lets them pass to the player they are meant for.
constexpr int CHARITY_WIDTH = 600;
constexpr double CHARITY_MARGIN = 20.0;
constexpr double CHARITY_Y = -24.0;
constexpr int32_t RED = 1, BLUE = 4, WHITE_PLATE = 5;
constexpr uint32_t WHITE = 0xFFFFFFFF;
constexpr double DEBUG_X = 240.0, DEBUG_Y = 20.0;
constexpr double FIELD_CENTRE_X = 320.0, FIELD_CENTRE_Y = 240.0;

/// The captions that end a system: a title on line 2 and a subtitle on line 3.
struct Farewell {
    StringId title;
    double titleTime;
    int32_t titleBlink;
    StringId subtitle;
    double subtitleTime;
    int32_t subtitleBlink;
};
constexpr Farewell SYSTEM_FAREWELL = {STR_SYSTEMENDDEFAULT, 2.5, 0, STR_SYSTEMENDDEFAULTB, 2.5, 2};
constexpr Farewell LAST_FAREWELL = {STR_SYSTEMEND10, 4.0, 1, STR_SYSTEMEND10B, 3.0, 1};

/// A player's counters that a saved game keeps (a system's restore starts them afresh).
struct SavedCounter {
    int32_t SavegamePlayerData::*saved;
    int32_t PlayerData::*live;
};
constexpr std::array<SavedCounter, 7> SAVED_COUNTERS = {{
    {&SavegamePlayerData::lives, &PlayerData::lives},
    {&SavegamePlayerData::score, &PlayerData::score},
    {&SavegamePlayerData::food, &PlayerData::food},
    {&SavegamePlayerData::missiles, &PlayerData::missiles},
    {&SavegamePlayerData::extraLifeThreshold, &PlayerData::extraLifeThreshold},
    {&SavegamePlayerData::extraLifeStep, &PlayerData::extraLifeStep},
    {&SavegamePlayerData::coins, &PlayerData::coins},
}};

ProfileData& currentProfile() {
    ProfileManager& profiles = GameGlobal::get()->profiles;
    return profiles.records[std::clamp(profiles.currentProfile, 0, ProfileBlock::MAX_PROFILES - 1)];
}

SavegameData& currentSlot(int slot) {
    return currentProfile().savegames[slot];
}

void playSound(GameSound* GameGlobal::*sound) {
    const GameGlobal* root = GameGlobal::get();
    if (root && root->*sound) (root->*sound)->playSound(320.0);
}

} // namespace

const std::array<GameController::StateEntry, GameController::GAME_END + 1> GameController::STATE_ENTRIES = {
    nullptr,
    &GameController::enterNextWave,
    &GameController::enterWaveIntro,
    &GameController::enterWavePlay,
    &GameController::enterWaveDone,
    &GameController::enterSystemIntro,
    &GameController::enterNewSystem,
    &GameController::enterSystemEnd,
    &GameController::enterGameOver,
    &GameController::enterGameEnd,
};

GameController::GameController()
    : players{new PlayerData(0), new PlayerData(1)}, huds{new Hud(0), new Hud(1)}, sky(new SkyLayer(false)),
      enemies(new ObjectGroup), enemyShots(new ObjectGroup), playerShots(new ObjectGroup), smoke(new ObjectGroup),
      effects(new ObjectGroup), explosions(new ObjectGroup), items(new ObjectGroup),
      swayOffset(gameRandom.next() % SWAY_RANGE), swayDirection(gameRandom.next() & 1 ? 1 : -1),
      difficulty(GameGlobal::get()->configuration.difficulty),
      waveCaptions(buildWaveCaptions(Vek::get()->getLanguage())) {
    bFadeIn = true;
    deleteWhenClosed = true;
    // Escape pauses the game rather than leaving it.
    closeOnEscape = false;
    sky->vy = sky->tvy = SKY_WARP_SPEED;
    const GameGlobal& root = *GameGlobal::get();
    const std::array<GameFont*, CAPTION_LINES> fonts = {root.textFontMedium, root.textFontLarge,
                                                        root.textFontMedium};
    for (std::size_t line = 0; line < CAPTION_LINES; ++line)
        captions[line] = new CaptionText(fonts[line], CAPTION_HEIGHTS[line]);
    // Adopted in drawing order, which is also the order of their ticks.
    for (GameObject* object : {static_cast<GameObject*>(sky), static_cast<GameObject*>(smoke),
                               static_cast<GameObject*>(enemyShots), static_cast<GameObject*>(playerShots),
                               static_cast<GameObject*>(items), static_cast<GameObject*>(enemies),
                               static_cast<GameObject*>(effects)})
        adopt(object);
    for (PlayerData* player : players)
        adopt(player);
    adopt(explosions);
    for (CaptionText* caption : captions)
        adopt(caption);
    for (Hud* hud : huds)
        adopt(hud);
    setEffectList(effects);
}

GameController* GameController::running() {
    const GameGlobal* root = GameGlobal::get();
    return root ? dynamic_cast<GameController*>(root->getGameController()) : nullptr;
}

GameController* GameController::startNewGame() {
    GameGlobal& root = *GameGlobal::get();
    // Without in-game music the opening interludes play none, so the menu's goes now.
    if (!root.configuration.inGameMusic) Global::fadeOutMusic(MUSIC_FADE_TIME);
    auto* game = new GameController();
    game->bNewGame = true;
    root.setGameController(game);
    root.contextManager->addContext(game);
    // Appending clears the flag: only now can it stand until a player joins.
    game->closed = true;
    game->setState(NEXT_WAVE);
    return game;
}

GameController* GameController::continueGame(int type, const SavegameData& record) {
    Global::fadeOutMusic(MUSIC_FADE_TIME);
    auto* game = new GameController();
    game->restoreGame(type, record);
    return game;
}

GameController* GameController::startAt(int firstWave, int playerCount) {
    if (firstWave > 1) return continueGame(0, savedBefore(firstWave, playerCount));
    GameController* game = startNewGame();
    for (int player = 0; player < std::clamp(playerCount, 1, PLAYERS); ++player)
        game->joinPlayer(player);
    return game;
}

SavegameData GameController::savedBefore(int firstWave, int playerCount) {
    VEK_ASSERT(firstWave > 1 && firstWave <= WAVE_COUNT);
    SavegameData record;
    record.bValidData = true;
    record.wave = firstWave - 1;
    record.stage = (record.wave - 1) % STAGES_PER_SYSTEM;
    record.system = (record.wave - 1) / STAGES_PER_SYSTEM;
    record.difficulty = GameGlobal::get()->configuration.difficulty;
    for (int i = 0; i < std::clamp(playerCount, 1, PLAYERS); ++i) {
        SavegamePlayerData& player = record.players[i];
        player.present = true;
        player.lives = PlayerData::START_LIVES;
        player.extraLifeThreshold = PlayerData::EXTRA_LIFE_STEP;
        player.extraLifeStep = PlayerData::EXTRA_LIFE_STEP;
    }
    return record;
}

void GameController::restoreGame(int type, const SavegameData& record) {
    GameGlobal& root = *GameGlobal::get();
    root.setGameController(this);
    closed = false;
    root.contextManager->addContext(this);
    loadgame(type, record);
    for (Hud* hud : huds)
        hud->bHidden = false;
    setState(NEXT_WAVE);
}

void GameController::joinPlayer(int index) {
    VEK_ASSERT(index >= 0 && index < PLAYERS);
    closed = false;
    if (bNewGame) {
        // The new game takes the place of the saved ones only once somebody plays it. Their
        // file stands until its first save, so a crash before then leaves them to continue.
        currentSlot(0).bValidData = false;
        currentSlot(1).bValidData = false;
        bNewGame = false;
    }
    PlayerData& player = *players[static_cast<std::size_t>(index)];
    if (player.getState() == PlayerData::NOT_PLAYING) player.setState(PlayerData::ENTERING);
}

bool GameController::isTakingPart(int index) const {
    return players[static_cast<std::size_t>(index)]->isTakingPart();
}

int GameController::pickPlayer() const {
    const bool bFirst = isTakingPart(0);
    const bool bSecond = isTakingPart(1);
    if (bFirst && bSecond) return gameRandom.next() & 1;
    return bFirst ? 0 : bSecond ? 1 : -1;
}

void GameController::onStateChange() {
    const int32_t state = getState();
    if (state > 0 && state < static_cast<int32_t>(STATE_ENTRIES.size())) (this->*STATE_ENTRIES[state])();
}

void GameController::enterNextWave() {
    // A restored game may end at the last wave; there is none after it.
    if (wave >= WAVE_COUNT) {
        setState(GAME_END);
        return;
    }
    ++wave;
    stage = (wave - 1) % STAGES_PER_SYSTEM;
    system = (wave - 1) / STAGES_PER_SYSTEM;
    if (stage == 0)
        setState(SYSTEM_INTRO);
    else
        setState(WAVE_INTRO, WAVE_INTRO_DELAY);
}

void GameController::enterWaveIntro() {
    const WaveCaption& caption = waveCaptions[static_cast<std::size_t>(wave)];
    sky->tvy = caption.skySpeed;
    for (PlayerData* player : players)
        if (player->isTakingPart()) player->fighter->setAfterburner(false);
    for (std::size_t line = 0; line < CAPTION_LINES; ++line)
        captions[line]->setText(caption.texts[line], caption.ids[line], CAPTION_TIME, caption.blinks[line]);
    startWave();
    setState(WAVE_PLAY, WAVE_PLAY_DELAY);
}

void GameController::enterWavePlay() {
    // The frame ends the wave once the formation is gone.
    if (bFormations) spawnFormation(*this);
}

void GameController::enterWaveDone() {
    awardWaveBonuses();
    savegame(0, currentSlot(0));
    if (stage == STAGES_PER_SYSTEM - 1) {
        savegame(1, currentSlot(1));
        setState(SYSTEM_END);
    } else {
        setState(NEXT_WAVE);
    }
    // One write after the state change: the last system's end has completed the game by now,
    // so its emptied slots go out instead of a game that a killed program would continue.
    GameGlobal::get()->saveProfiles();
}

void GameController::enterSystemIntro() {
    // The star map comes on top, so it is seen first, then the system's interlude.
    ContextManager& stack = *GameGlobal::get()->contextManager;
    Cutscene* cutscene = SystemCutscenes::create(system);
    stack.addContext(cutscene);
    stack.addContext(new StarMap(system));
    // A touch screen has one player, who joins at once.
    const VekInput* input = GameInput::getInput();
    if (system == 0 && input && input->inputMode == INPUTMODE_TOUCH) {
        cutscene->closed = true;
        joinPlayer(0);
    }
    clearField();
    setState(NEW_SYSTEM, SYSTEM_DELAY);
}

void GameController::enterNewSystem() {
    showCaption(0, STR_NEWSYSTEM, CAPTION_TIME, 0);
    showCaption(1, STR_PLANETNAME1 + system, CAPTION_TIME, 0);
    for (Hud* hud : huds)
        hud->bHidden = false;
    playSound(&GameGlobal::soundEngineStop);
    setState(WAVE_INTRO, SYSTEM_DELAY);
}

void GameController::enterSystemEnd() {
    playSound(&GameGlobal::soundEngineStart);
    const bool bLast = system >= LAST_SYSTEM;
    const Farewell& farewell = bLast ? LAST_FAREWELL : SYSTEM_FAREWELL;
    showCaption(1, farewell.title, farewell.titleTime, farewell.titleBlink);
    showCaption(2, farewell.subtitle, farewell.subtitleTime, farewell.subtitleBlink);
    if (bLast) playSound(&GameGlobal::soundFanfareBig);
    sky->tvy = SKY_WARP_SPEED;
    for (Hud* hud : huds)
        hud->bHidden = true;
    for (PlayerData* player : players)
        if (player->isTakingPart()) player->fighter->setAfterburner(true);
    if (bLast)
        completeGame();
    else
        setState(NEXT_WAVE, SYSTEM_END_DELAY);
}

void GameController::completeGame() {
    VEK_LOG(u"The game is complete after wave %d.", wave);
    keepResult();
    currentSlot(1).bValidData = false;
    setState(GAME_END, COMPLETION_TIME);
}

void GameController::onPlayerOut() {
    if (isTakingPart(0) || isTakingPart(1)) return;
    const int32_t pending = getStateGoto();
    if (pending != GAME_OVER && pending != GAME_END) setState(GAME_OVER);
}

void GameController::enterGameOver() {
    // The frame's end keeps the result in place of the lost game (`followResult`), with the
    // points that this frame still scores.
    showCaption(1, STR_GAMEOVER, GAME_OVER_CAPTION_TIME, GAME_OVER_BLINK);
    playSound(&GameGlobal::soundBonewah);
    setState(GAME_END, GAME_OVER_TIME);
}

void GameController::enterGameEnd() {
    closed = true;
    GameGlobal& root = *GameGlobal::get();
    root.contextManager->addContext(root.getScreens().createHighscores());
    root.highlightedScoreRow = -1;
    // The farewell enters the result as it stands now: points of the completion's wait count.
    keepResult();
    root.contextManager->addContext(createFarewell());
    root.saveEnteredResults();
    if (root.bQuitAfterGame) root.contextManager->quitRequested = true;
}

Cutscene* GameController::createFarewell() const {
    auto* farewell = new Cutscene();
    GameGlobal& root = *GameGlobal::get();
    farewell->addChild(new SpriteActor(FIELD_CENTRE_X, FIELD_CENTRE_Y, root.burgerJoint->getSurf(0)));
    std::array<NamedFighter*, PLAYERS> fighters{};
    for (std::size_t i = 0; i < PLAYERS; ++i)
        if (hasResult(i)) {
            fighters[i] = new NamedFighter(static_cast<int32_t>(i), *this);
            farewell->addChild(fighters[i]);
        }
    // The second entry may push the first one down the table.
    if (fighters[0] && fighters[1]) fighters[0]->onPartnerEntered(fighters[1]->row);
    return farewell;
}

bool GameController::hasResult(std::size_t index) const {
    return players[index]->getState() != PlayerData::NOT_PLAYING;
}

void GameController::quit() {
    enterPendingResults();
    closed = true;
}

bool GameController::isAwaitingEnd() const {
    return !bResultsEntered && getStateGoto() == GAME_END && getState() != GAME_END;
}

void GameController::enterPendingResults() {
    // Its saved games are gone already; the farewell that would enter the results never comes.
    if (!isAwaitingEnd()) return;
    bResultsEntered = true;
    GameGlobal& root = *GameGlobal::get();
    root.highlightedScoreRow = -1;
    keepResult();
    for (std::size_t i = 0; i < PLAYERS; ++i)
        if (hasResult(i)) NamedFighter::enterResult(*this, static_cast<int32_t>(i));
    root.saveEnteredResults();
}

void GameController::followResult() {
    // The profile file follows the results file, so a kill between the two loses no result.
    if (isAwaitingEnd() && keepResult()) GameGlobal::get()->saveProfiles();
}

bool GameController::keepResult() {
    // The result stands in place of the lost game, which is no longer offered for continuing.
    const bool bSlotEmptied = std::exchange(currentSlot(0).bValidData, false);
    KeptResults& kept = GameGlobal::get()->keptResults;
    // Every ending of this game (a kill, a signal, the farewell) enters the same rows.
    if (resultTime == 0) {
        resultTime = static_cast<uint32_t>(std::time(nullptr));
        resultGame = kept.newGame();
    }
    bool bKept = false;
    for (std::size_t i = 0; i < PLAYERS; ++i)
        if (hasResult(i)) bKept |= kept.keep(resultGame, static_cast<int32_t>(i), resultRow(i));
    if (bKept) GameGlobal::get()->saveKeptResults();
    return bSlotEmptied || bKept;
}

HIGHSCOREENTRY GameController::resultRow(std::size_t index) const {
    SavegameData result;
    result.wave = wave;
    result.difficulty = difficulty;
    result.reserveCounter = reserveCounter;
    result.players[index].score = players[index]->score;
    return currentProfile().resultRow(result, static_cast<int32_t>(index), resultTime);
}

void GameController::showCaption(int line, StringId textId, double seconds, int32_t blink) {
    captions[static_cast<std::size_t>(line)]->setText(textId, seconds, blink);
}

void GameController::clearField() {
    for (PlayerData* player : players)
        if (player->isTakingPart() && player->getStateGoto() != PlayerData::ENTERING)
            player->setState(PlayerData::ENTERING);
    for (ObjectGroup* list : {enemyShots, playerShots, items, smoke, effects, explosions})
        list->getChildren().deleteAll();
    for (CaptionText* caption : captions)
        caption->timeLeft = 0.0;
    bMissileUsedThisSystem = false;
}

void GameController::startWave() {
    if (wave == MYSTERY_WAVE && !bMissileUsedEver)
        for (PlayerData* player : players)
            if (player->isTakingPart()) player->award(STR_BONUSMYSTERY, MYSTERY_POINTS, BLUE);
    teamDistance = 0.0;
    bFirstKillPending = true;
    bMissileUsedThisWave = false;
    bNoBonus = false;
    waveStartTime = sceneClock;
    lootDropped = {};
    for (PlayerData* player : players) {
        player->kills = 0;
        player->shots = 0;
        player->multiKillTime = 0.0;
    }
    giveCharity();
    GameDigest::log(stringf(u"wave %d", wave));
}

void GameController::giveCharity() {
    if (difficulty != 0) return;
    const int32_t target = system / 2 - 1;
    for (PlayerData* player : players) {
        if (!player->isTakingPart() || player->weapon().power >= target) continue;
        player->award(STR_BONUSCHARITY, 0, BLUE);
        for (int32_t i = player->weapon().power; i < target; ++i)
            items->add(new Atom(true, gameRandom.below(CHARITY_WIDTH) + CHARITY_MARGIN, CHARITY_Y));
    }
}

void GameController::awardWaveBonuses() {
    if (!bMissileUsedThisWave)
        for (PlayerData* player : players)
            if (player->isTakingPart() && player->kills > 0 && player->shots <= player->kills)
                player->award(STR_BONUSEFFICIENCY, EFFICIENCY_POINTS, RED);
    if (!isTakingPart(0) || !isTakingPart(1)) return;
    PlayerData& first = *players[0];
    PlayerData& second = *players[1];
    if (first.kills > second.kills && second.kills >= 1) first.award(STR_BONUSDESTROYER, DESTROYER_POINTS, WHITE_PLATE);
    if (second.kills > first.kills && first.kills >= 1) second.award(STR_BONUSDESTROYER, DESTROYER_POINTS, WHITE_PLATE);
}

void GameController::savegame(int type, SavegameData& record) const {
    VEK_LOG(u"Saving game type %d (wave=%d).", type, wave);
    record.bValidData = true;
    record.bResultPending = false;
    record.wave = wave;
    record.stage = stage;
    record.system = system;
    record.missileUsedThisSystem = bMissileUsedThisSystem;
    record.missileUsedEver = bMissileUsedEver;
    record.reserveCounter = reserveCounter;
    record.difficulty = difficulty;
    for (std::size_t i = 0; i < PLAYERS; ++i) {
        const PlayerData& player = *players[i];
        SavegamePlayerData& saved = record.players[i];
        saved.present = player.getState() != PlayerData::NOT_PLAYING;
        if (!saved.present) continue;
        for (const SavedCounter& counter : SAVED_COUNTERS)
            saved.*counter.saved = player.*counter.live;
        saved.weaponIndex = player.weaponIndex();
        saved.weaponPower = player.weapon().power;
    }
}

void GameController::loadgame(int type, const SavegameData& record) {
    VEK_LOG(u"Loading game type %d.", type);
    VEK_ASSERT(record.bValidData);
    wave = record.wave;
    stage = record.stage;
    system = record.system;
    if (type == 0) bMissileUsedThisSystem = record.missileUsedThisSystem;
    bMissileUsedEver = record.missileUsedEver;
    reserveCounter = record.reserveCounter;
    difficulty = record.difficulty;
    for (std::size_t i = 0; i < PLAYERS; ++i) {
        const SavegamePlayerData& saved = record.players[i];
        if (!saved.present) continue;
        PlayerData& player = *players[i];
        if (player.getStateGoto() != PlayerData::ENTERING) player.setState(PlayerData::ENTERING);
        if (type == 0)
            for (const SavedCounter& counter : SAVED_COUNTERS)
                player.*counter.live = saved.*counter.saved;
        player.restoreWeapon(saved.weaponIndex, saved.weaponPower);
    }
}

void GameController::storePlayerStats() const {
    SavegameData& record = currentSlot(0);
    for (std::size_t i = 0; i < PLAYERS; ++i) {
        record.players[i].lives = players[i]->lives;
        record.players[i].weaponPower = players[i]->weapon().power;
    }
}

void GameController::renderScene() {
    swayFormation();
    measureTeamDistance();
    frameUpdateOwned();
    checkWaveCleared();
    checkPlayersLeft();
    checkPause();
    showPointerWhileSteering();
    followResult();
    drawDebugLine();
}

void GameController::swayFormation() {
    swayLower = SWAY_LEFT - extent.minX;
    swayUpper = SWAY_RIGHT - extent.maxX;
    if (swayOffset <= swayLower) swayDirection = 1;
    if (swayOffset >= swayUpper) swayDirection = -1;
    swayOffset += swayDirection;
    if (swayOffset < swayLower) swayOffset = swayLower;
    if (swayOffset > swayUpper) swayOffset = swayUpper;
    extent = FormationExtent{};
}

void GameController::measureTeamDistance() {
    if (!isTakingPart(0) || !isTakingPart(1)) return;
    const Fighter& first = *players[0]->fighter;
    const Fighter& second = *players[1]->fighter;
    teamDistance = std::max(teamDistance, std::hypot(first.x - second.x, first.y - second.y));
}

void GameController::checkWaveCleared() {
    if (getState() == WAVE_PLAY && enemies->getChildren().isEmpty() && getStateGoto() != WAVE_DONE)
        setState(WAVE_DONE, WAVE_CLEARED_DELAY);
}

void GameController::checkPlayersLeft() {
    const bool bAnyPlayer = std::any_of(players.begin(), players.end(), [](const PlayerData* player) {
        return player->getState() != PlayerData::NOT_PLAYING;
    });
    if (!bAnyPlayer) closed = true;
}

void GameController::checkPause() {
    if (isPauseRequested()) openPause();
}

void GameController::showPointerWhileSteering() {
    // Over play by keys or pad the pointer would only hide part of the field.
    // The fighter follows the pointer only in the mouse's input mode.
    const Fighter& first = *players[0]->fighter;
    const VekInput* input = GameInput::getInput();
    showPointer = isTakingPart(0) && first.bPointerAllowed && first.bPointerControl && input &&
                  input->inputMode == INPUTMODE_MOUSE;
}

bool GameController::isPauseRequested() const {
    const VekInput* input = GameInput::getInput();
    if (!input) return false;
    if (input->inputMode == INPUTMODE_TOUCH) {
        const Vector2 pauseButton = TouchButtons::current().first;
        for (const TouchPoint& touch : input->touchPoints)
            if (touch.bPressed && TouchButtons::isNear(windowToField(touch.x, touch.y), pauseButton)) return true;
    }
    if (input->isKeyPressed(KEY_PAUSE) || input->isKeyPressed(KEY_ESCAPE)) return true;
    const GameConfiguration& configuration = GameGlobal::get()->configuration;
    return input->isKeyPressed(configuration.joystickBindings[JOYSTICK_PAUSE][0]) ||
           input->isKeyPressed(configuration.joystickBindings[JOYSTICK_PAUSE][1]);
}

void GameController::openPause() {
    if (pauseScreen) return;
    bSkipFade = true;
    GameGlobal& root = *GameGlobal::get();
    Context* pause = root.getScreens().createPause();
    pause->closed = false;
    root.contextManager->addContext(pause);
    pauseScreen = pause;
}

void GameController::onModeChange(VekMode from, VekMode to) {
    const GameGlobal* root = GameGlobal::get();
    if (from != VekMode::Running || to != VekMode::Paused || closed || !root || !root->contextManager) return;
    if (root->contextManager->getTopContext() == this) openPause();
}

void GameController::onSceneClosed() {
    GameGlobal* root = GameGlobal::get();
    if (!root) return;
    if (root->getGameController() == this) root->setGameController(nullptr);
    root->playMusic(u"musicMenu");
}

void GameController::drawDebugLine() const {
    const GameGlobal* root = GameGlobal::get();
    if (Vek::get()->debugLevel <= 0 || !root || !root->textFontSmall) return;
    root->textFontSmall->drawText(FontQuad::TEXT_LEFT, WHITE, DEBUG_X, DEBUG_Y,
                                  stringf(u"wave=%d stage=%d system=%d", wave, stage, system));
}

void GameController::addToDigest(GameDigest& digest) const {
    for (const int64_t value :
         {int64_t{getState()}, int64_t{getStateGoto()}, int64_t{wave}, int64_t{stage}, int64_t{system},
          int64_t{swayOffset}, int64_t{swayDirection}, int64_t{bFirstKillPending}, int64_t{bMissileUsedThisWave},
          int64_t{bMissileUsedThisSystem}, int64_t{bMissileUsedEver}, int64_t{bNoBonus}, int64_t{difficulty},
          int64_t{reserveCounter}})
        digest.addInt(value);
    digest.addNumber(teamDistance);
    digest.addNumber(waveStartTime);
    ContextScene::addToDigest(digest);
}
