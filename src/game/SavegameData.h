#pragma once
#include <cstddef>
#include <cstdint>

/// One player's part of a saved game: the counters of the player and its current weapon.
struct SavegamePlayerData {
    bool present = false; // the player took part when the game was saved
    uint8_t reserved[3] = {};
    int32_t lives = 0;
    int32_t score = 0;
    int32_t food = 0;
    int32_t missiles = 0;
    int32_t extraLifeThreshold = 0; // score at which the next extra life is given
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
    /// Lives, missiles and weapon power beyond this are damage, not play: the game multiplies
    /// them into points and counts them up without room for more.
    static constexpr int32_t MAX_COUNTER = 99999;

    bool bValidData = false; // the slot holds a game
    uint8_t reserved[3] = {};
    int32_t wave = 0; // the last completed wave, 1 to LAST_WAVE - 1
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
    /// player whose weapon index is not 0 to 2, whose lives, missiles or weapon power lie outside
    /// 0 to MAX_COUNTER, or whose extra-life step is not positive (a life on every score).
    void checkLoaded();
};
static_assert(sizeof(SavegameData) == 108);
static_assert(offsetof(SavegameData, wave) == 4);
static_assert(offsetof(SavegameData, missileUsedThisSystem) == 16);
static_assert(offsetof(SavegameData, reserveCounter) == 20);
static_assert(offsetof(SavegameData, difficulty) == 24);
static_assert(offsetof(SavegameData, players) == 28);
