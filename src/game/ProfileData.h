#pragma once
#include <cstddef>
#include <cstdint>
#include "core/FixedUtf8String.h"
#include "game/SavegameData.h"

struct HIGHSCOREENTRY;

/// One player profile as the profile file stores it (little-endian, 480 bytes): a name, a random
/// identifier and two saved games. A record whose name is empty is free.
struct ProfileData {
    /// Empty name, new `profileId`, both saved games empty (draws from `gameRandom`).
    ProfileData();
    /// Empty name, a new `profileId` drawn from `gameRandom`, both saved games empty.
    void reset();
    bool isFree() const { return name.bytes[0] == 0; }

    /// Player `index`'s high-score row of `result` (a game's result as a kept one holds it:
    /// `SavegameData::bResultPending`), written at `time` (seconds since 1970-01-01 UTC).
    HIGHSCOREENTRY resultRow(const SavegameData& result, int32_t index, uint32_t time) const;

    FixedUtf8String<256> name; // at most 16 UTF-16 units once the profile has been current
    uint32_t profileId = 0;
    /// When slot 0 keeps a result (as earlier versions kept them), the time of its high-score
    /// rows: seconds since 1970-01-01 UTC, as 32 bits (until 2106). Was reserved (0) before.
    uint32_t resultTime = 0;
    SavegameData savegames[2]; // 0: after every wave; 1: at the end of a star system
};
static_assert(sizeof(ProfileData) == 480);
static_assert(offsetof(ProfileData, profileId) == 256);
static_assert(offsetof(ProfileData, resultTime) == 260);
static_assert(offsetof(ProfileData, savegames) == 264);
