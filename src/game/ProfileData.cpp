#include "game/ProfileData.h"
#include "game/GameConfiguration.h"
#include "game/RandomIdentifier.h"

namespace {

constexpr std::size_t NAME_UNITS = 14; ///< of the profile name before player 1's "-2"

/// The name of player `index` (0 or 1) in the high-score table: `profileName` for player 0,
/// its first NAME_UNITS UTF-16 units and "-2" for player 1.
WideString entryName(int32_t index, WideStringView profileName) {
    if (index == 0) return WideString(profileName);
    return WideString(profileName.substr(0, NAME_UNITS)) + u"-2";
}

}  // namespace

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

HIGHSCOREENTRY ProfileData::resultRow(int32_t index) const {
    const SavegameData& result = savegames[0];
    // A game with fighters saved by the checks' invulnerability is entered unsigned.
    return GameConfiguration::makeHighScore(result.players[index].score, result.wave, result.difficulty,
                                            result.reserveCounter == 0, entryName(index, name.get()),
                                            resultTime);
}
