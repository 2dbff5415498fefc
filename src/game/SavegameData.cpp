#include "game/SavegameData.h"
#include "game/RecordChecks.h"

namespace {

bool isSoundPlayer(const SavegamePlayerData& player) {
    return isWithin(player.weaponIndex, 0, SavegameData::LAST_WEAPON_INDEX) &&
           isWithin(player.lives, 0, SavegameData::MAX_COUNTER) &&
           isWithin(player.missiles, 0, SavegameData::MAX_COUNTER) &&
           isWithin(player.weaponPower, 0, SavegameData::MAX_COUNTER) && player.extraLifeStep > 0;
}

} // namespace

void SavegameData::checkLoaded() {
    normaliseFlag(bValidData);
    normaliseFlag(missileUsedThisSystem);
    normaliseFlag(missileUsedEver);
    bool bPlayersSound = true;
    bool bAnyPresent = false;
    for (SavegamePlayerData& player : players) {
        normaliseFlag(player.present);
        // Only a present player is restored, so only its values must be sound.
        if (!player.present) continue;
        bAnyPresent = true;
        if (!isSoundPlayer(player)) bPlayersSound = false;
    }
    // An empty slot is never read, so only a slot offered for continuing needs sound values.
    if (!bValidData) return;
    const bool bWaveSound = isWithin(wave, 1, LAST_WAVE - 1) && stage == (wave - 1) % STAGES_PER_SYSTEM &&
                            system == (wave - 1) / STAGES_PER_SYSTEM;
    const bool bGameSound = isWithin(difficulty, 0, LAST_DIFFICULTY) && reserveCounter >= 0;
    if (!bWaveSound || !bGameSound || !bAnyPresent || !bPlayersSound) bValidData = false;
}
