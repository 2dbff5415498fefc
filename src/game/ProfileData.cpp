#include "game/ProfileData.h"
#include "game/GameConfiguration.h"
#include "game/RandomIdentifier.h"

ProfileData::ProfileData() {
    reset();
}

void ProfileData::reset() {
    name.set(u"");
    profileId = drawRandomIdentifier();
    resultTime = 0;
    savegames[0] = SavegameData{};
    savegames[1] = SavegameData{};
}

WideString ProfileData::entryName(int32_t index, WideStringView profileName) {
    if (index == 0) return WideString(profileName);
    return WideString(profileName.substr(0, NAME_UNITS)) + u"-2";
}

HIGHSCOREENTRY ProfileData::resultRow(int32_t index) const {
    const SavegameData& result = savegames[0];
    // A game with fighters saved by the checks' invulnerability is entered unsigned.
    return GameConfiguration::makeHighScore(result.players[index].score, result.wave, result.difficulty,
                                            result.reserveCounter == 0, entryName(index, name.get()),
                                            resultTime);
}
