#include "game/SavegameData.h"
#include <algorithm>
#include <limits>
#include "core/Format.h"
#include "game/RecordChecks.h"

namespace {

/// A counter of a present player and the values a game can leave in it.
struct PlayerRange {
    int32_t SavegamePlayerData::*field;
    int32_t low;
    int32_t high;
    const char16_t* name;
};

constexpr int32_t TOP = std::numeric_limits<int32_t>::max();

constexpr PlayerRange PLAYER_RANGES[] = {
    {&SavegamePlayerData::weaponIndex, 0, SavegameData::LAST_WEAPON_INDEX, u"weapon index"},
    {&SavegamePlayerData::lives, 0, SavegameData::MAX_COUNTER, u"lives"},
    {&SavegamePlayerData::missiles, 0, SavegameData::MAX_COUNTER, u"missiles"},
    {&SavegamePlayerData::weaponPower, 0, SavegameData::MAX_COUNTER, u"weapon power"},
    {&SavegamePlayerData::food, 0, SavegameData::MAX_COUNTER, u"food"},
    {&SavegamePlayerData::coins, 0, SavegameData::MAX_COUNTER, u"coins"},
    {&SavegamePlayerData::extraLifeStep, SavegameData::MIN_EXTRA_LIFE_STEP, TOP, u"extra-life step"},
};

/// Players are named as the game shows them: 1 and 2.
WideString playerFault(const SavegamePlayerData& player, int index) {
    for (const PlayerRange& range : PLAYER_RANGES) {
        const int32_t value = player.*range.field;
        if (!isWithin(value, range.low, range.high))
            return stringf(u"player %d's %s %d lies outside %d to %d", index + 1, range.name, value,
                           range.low, range.high);
    }
    return {};
}

/// Moves a threshold at or below the score up by whole steps to the first one above it (the
/// top of the range when none fits); says so when it moved. The step is already checked.
WideString mendExtraLifeThreshold(SavegamePlayerData& player, int index) {
    const int32_t was = player.extraLifeThreshold;
    if (was > player.score || was == TOP) return {};
    const int64_t steps = (int64_t{player.score} - was) / player.extraLifeStep + 1;
    player.extraLifeThreshold =
        static_cast<int32_t>(std::min<int64_t>(was + steps * player.extraLifeStep, TOP));
    return stringf(u"player %d's extra-life threshold %d was not above the score %d; now %d", index + 1, was,
                   player.score, player.extraLifeThreshold);
}

/// Why a slot offered for continuing could not have been written by a game; empty when it could.
WideString findFault(const SavegameData& record) {
    using S = SavegameData;
    const int32_t wave = record.wave;
    if (!isWithin(wave, 1, S::LAST_WAVE - 1))
        return stringf(u"wave %d lies outside 1 to %d", wave, S::LAST_WAVE - 1);
    if (record.stage != (wave - 1) % S::STAGES_PER_SYSTEM ||
        record.system != (wave - 1) / S::STAGES_PER_SYSTEM)
        return stringf(u"stage %d and system %d are not those of wave %d", record.stage, record.system, wave);
    if (!isWithin(record.difficulty, 0, S::LAST_DIFFICULTY))
        return stringf(u"difficulty %d lies outside 0 to %d", record.difficulty, S::LAST_DIFFICULTY);
    if (record.reserveCounter < 0) return stringf(u"reserve counter %d is negative", record.reserveCounter);
    if (!record.players[0].present && !record.players[1].present) return u"no player is present";
    for (int i = 0; i < 2; ++i) {
        // Only a present player is restored, so only its values must be sound.
        if (!record.players[i].present) continue;
        if (WideString fault = playerFault(record.players[i], i); !fault.empty()) return fault;
    }
    return {};
}

/// Why a kept result could not have been written by a game's end; empty when it could.
WideString findResultFault(const SavegameData& record) {
    using S = SavegameData;
    if (record.bValidData) return u"the slot holds a game too";
    if (!isWithin(record.wave, 1, S::LAST_WAVE))
        return stringf(u"wave %d lies outside 1 to %d", record.wave, S::LAST_WAVE);
    if (!isWithin(record.difficulty, 0, S::LAST_DIFFICULTY))
        return stringf(u"difficulty %d lies outside 0 to %d", record.difficulty, S::LAST_DIFFICULTY);
    if (record.reserveCounter < 0) return stringf(u"reserve counter %d is negative", record.reserveCounter);
    if (!record.players[0].present && !record.players[1].present) return u"no player is present";
    return {};
}

} // namespace

WideString SavegameData::checkLoaded() {
    normaliseFlag(bValidData);
    normaliseFlag(bResultPending);
    normaliseFlag(missileUsedThisSystem);
    normaliseFlag(missileUsedEver);
    for (SavegamePlayerData& player : players)
        normaliseFlag(player.present);
    WideString change;
    if (const WideString fault = bResultPending ? findResultFault(*this) : WideString(); !fault.empty()) {
        bResultPending = false;
        change = u"result dropped: " + fault;
    }
    const WideString game = checkLoadedGame();
    if (!change.empty() && !game.empty()) change += u"; ";
    return change + game;
}

WideString SavegameData::checkLoadedGame() {
    // An empty slot is never read, so only a slot offered for continuing needs sound values.
    if (!bValidData) return {};
    if (const WideString fault = findFault(*this); !fault.empty()) {
        bValidData = false;
        return u"emptied: " + fault;
    }
    WideString mended;
    for (int i = 0; i < 2; ++i) {
        if (!players[i].present) continue;
        const WideString mend = mendExtraLifeThreshold(players[i], i);
        if (mend.empty()) continue;
        mended += mended.empty() ? u"mended: " + mend : u"; " + mend;
    }
    return mended;
}
