#include "game/SavegameData.h"
#include "game/RecordChecks.h"

void SavegameData::checkLoaded() {
    normaliseFlag(bValidData);
    normaliseFlag(missileUsedThisSystem);
    normaliseFlag(missileUsedEver);
    bool bPlayersInRange = true;
    for (SavegamePlayerData& player : players) {
        normaliseFlag(player.present);
        // Only a present player's weapon is restored, so only its index must name a weapon.
        if (player.present && !isWithin(player.weaponIndex, 0, LAST_WEAPON_INDEX)) bPlayersInRange = false;
    }
    // An empty slot is never read, so only a slot offered for continuing needs sound values.
    if (!bValidData) return;
    const bool bInRange = isWithin(wave, 1, LAST_WAVE) && isWithin(stage, 0, LAST_STAGE) &&
                          isWithin(system, 0, LAST_SYSTEM) && isWithin(difficulty, 0, LAST_DIFFICULTY);
    if (!bInRange || !bPlayersInRange) bValidData = false;
}
