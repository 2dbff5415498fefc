#pragma once
#include <cstddef>
#include <cstdint>
#include "core/WideString.h"

/// One player's part of a saved game: the counters of the player and its current weapon.
struct SavegamePlayerData {
    bool present = false; // the player took part when the game was saved
    uint8_t reserved[3] = {};
    int32_t lives = 0;
    int32_t score = 0;
    int32_t food = 0;
    int32_t missiles = 0;
    int32_t extraLifeThreshold = 0; // score at which the next extra life is given, above the score
    int32_t extraLifeStep = 0;
    int32_t coins = 0;
    int32_t weaponIndex = 0; // which of the player's three weapons is current: 0, 1 or 2
    int32_t weaponPower = 0; // power level of the current weapon
};
static_assert(sizeof(SavegamePlayerData) == 40);
static_assert(offsetof(SavegamePlayerData, lives) == 4);
static_assert(offsetof(SavegamePlayerData, weaponPower) == 36);

/// A game saved into a profile, stored in the profile file (little-endian, 108 bytes). A fresh
/// record is all zero; its fields other than `bValidData` mean nothing until a game is saved.
struct SavegameData {
    static constexpr int32_t LAST_WAVE = 110;
    static constexpr int32_t LAST_DIFFICULTY = 1;
    static constexpr int32_t LAST_WEAPON_INDEX = 2;
    static constexpr int32_t STAGES_PER_SYSTEM = 10;
    /// Lives, missiles, weapon power, food and coins beyond this are damage, not play: the game
    /// multiplies them into points and counts them up without room for more.
    static constexpr int32_t MAX_COUNTER = 99999;
    /// The step every game writes; a smaller one is damage. Each extra life pays 50,000 points,
    /// which bring the score that much nearer the next threshold: a step near them would pay a
    /// run of lives on one scoring event (at 50,001, one per point of overshoot).
    static constexpr int32_t MIN_EXTRA_LIFE_STEP = 1000000;

    bool bValidData = false; // the slot holds a game
    /// Slot 0 only, never beside `bValidData`: the slot keeps the result of the profile's last game,
    /// which may not be in the high-score table on disk yet, as earlier versions kept it (a start
    /// takes it over: `KeptResults::takeFrom`): the wave it reached, its difficulty and reserve
    /// counter, and each present player's score (`ProfileData::resultRow`).
    bool bResultPending = false;
    uint8_t reserved[2] = {};
    int32_t wave = 0; // the last completed wave, 1 to LAST_WAVE - 1 (of a kept result: reached)
    int32_t stage = 0;
    int32_t system = 0;
    bool missileUsedThisSystem = false;
    bool missileUsedEver = false;
    uint8_t reserved2[2] = {};
    int32_t reserveCounter = 0;
    int32_t difficulty = 0;
    SavegamePlayerData players[2];

    /// Makes a record read from a file safe to continue from: flag bytes become 0 or 1, and a
    /// slot that a game could not have written is emptied, since continuing would index the
    /// game's tables with its values or start a game without players: a wave outside 1 to 109
    /// (completing wave 110 empties both slots), a stage or system that is not the wave's, a
    /// difficulty other than 0 or 1, a negative reserve counter, no player present, or a present
    /// player whose weapon index is not 0 to 2, whose lives, missiles, weapon power, food or
    /// coins lie outside 0 to MAX_COUNTER (they are counted up without room for more), or whose
    /// extra-life step is below MIN_EXTRA_LIFE_STEP. A present player's extra-life threshold at
    /// or below its score, which a game leaves only at the top of the range (it takes thresholds
    /// until the score is below the next), is moved up by whole steps to the first one above the
    /// score, so the lives in between are not all paid on the first points. Returns what was
    /// done and why, for the log ("emptied: ..." or "mended: ..."); empty when nothing was.
    /// A kept result that a game could not have written (beside a game, a wave outside 1 to
    /// LAST_WAVE, a difficulty other than 0 or 1, a negative reserve counter or no player
    /// present) is dropped, said as "result dropped: ...".
    WideString checkLoaded();

  private:
    /// The part of `checkLoaded` for the game the slot offers.
    WideString checkLoadedGame();
};
static_assert(sizeof(SavegameData) == 108);
static_assert(offsetof(SavegameData, bResultPending) == 1);
static_assert(offsetof(SavegameData, wave) == 4);
static_assert(offsetof(SavegameData, missileUsedThisSystem) == 16);
static_assert(offsetof(SavegameData, reserveCounter) == 20);
static_assert(offsetof(SavegameData, difficulty) == 24);
static_assert(offsetof(SavegameData, players) == 28);
