#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>
#include "core/WideString.h"
#include "game/GameConfiguration.h"

class ProfileManager;

/// The high-score rows of ended games that a table on disk may not hold yet, exactly as the
/// results file holds them (little-endian, 2968 bytes), oldest first. The rows past `count` are
/// zero.
struct KeptResultsBlock {
    /// Ten rows at least as high as a row stand above it wherever it is entered, so it can never
    /// make the table: one row more than this drops the lowest.
    static constexpr int MAX_ROWS = GameConfigurationRecord::HIGHSCORE_ROWS;

    int32_t count = 0; // 0..MAX_ROWS
    uint32_t reserved = 0;
    HIGHSCOREENTRY rows[MAX_ROWS]{};
};
static_assert(sizeof(KeptResultsBlock) == 2968);
static_assert(offsetof(KeptResultsBlock, rows) == 8);

/// The results of ended games, kept in a file of their own until a high-score table that holds
/// them is on disk: a game's saves and the profiles' other changes never touch them, however
/// many games start, save or end meanwhile. Saved by the game root (`Global`). Main thread only.
class KeptResults : public KeptResultsBlock {
  public:
    /// The rows that a table was handed over with, each with the game and player it belongs to.
    struct Noted {
        std::vector<uint32_t> owners;
        std::vector<HIGHSCOREENTRY> rows;
    };

    /// No rows, then the file.
    KeptResults();
    KeptResults(const KeptResults&) = delete;
    KeptResults& operator=(const KeptResults&) = delete;

    /// Replaces the rows with the file's when the file is intact; a file that fails is kept as
    /// "<name>.bad" and the rows stay as they were.
    void load();
    /// Writes the rows; false when they could not be written.
    bool save() const;
    /// The results file that `save` writes, for the rows as they stand now.
    std::vector<uint8_t> makeFile() const;
    /// "ZV2rmBrumedemo.res": the build identifier and ".res".
    static WideString getFileName();

    /// A number for the rows of a game that is about to keep its result (`keep`).
    uint32_t newGame() { return ++lastGame; }
    /// Keeps `row` as player `player`'s (0 or 1) of game `game` (`newGame`), in place of the
    /// one it kept before, if any. Whether the rows changed.
    bool keep(uint32_t game, int32_t player, const HIGHSCOREENTRY& row);
    /// Takes over the results that the profiles keep in their wave slot, as earlier versions of
    /// the game kept them, but no row that the rows hold as often as the result has it (a
    /// program killed after writing the results file, before the profile file); the profiles
    /// no longer keep them. Whether there were any.
    bool takeFrom(ProfileManager& profiles);
    /// Enters each row into `table` unless the table holds it as often as the rows up to it
    /// have it (both players of a game may have the very same row), so a program killed after
    /// writing the table enters nothing twice. Whether any row is kept.
    bool enterInto(GameConfiguration& table) const;
    /// The rows as they stand now, for `forget` once a table that holds them is on disk.
    Noted note() const;
    /// Stops keeping the rows of `noted` that have not changed since; whether any went.
    bool forget(const Noted& noted);

  private:
    /// Appends a row, dropping the lowest (the newest of equal ones) when all are taken.
    bool append(uint32_t owner, const HIGHSCOREENTRY& row);
    void remove(int index);

    /// Per row, its game (`newGame`) times two plus its player.
    std::array<uint32_t, MAX_ROWS> owners{};
    uint32_t lastGame = 0;
};
