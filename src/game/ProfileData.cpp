#include "game/ProfileData.h"
#include "core/StringUtil.h"
#include "game/GameConfiguration.h"
#include "game/RandomIdentifier.h"

namespace {

constexpr std::size_t NAME_CHARACTERS = 14; ///< of the profile name before player 1's "-2"

/// The name of player `index` (0 or 1) in the high-score table: `profileName` for player 0,
/// its first NAME_CHARACTERS characters and "-2" for player 1. A character is a code point, so
/// a surrogate pair is never split.
WideString entryName(int32_t index, WideStringView profileName) {
    if (index == 0) return WideString(profileName);
    std::size_t units = 0;
    for (std::size_t kept = 0; kept < NAME_CHARACTERS && units < profileName.size(); ++kept)
        nextCodePoint(profileName, units);
    return WideString(profileName.substr(0, units)) + u"-2";
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

HIGHSCOREENTRY ProfileData::resultRow(const SavegameData& result, int32_t index, uint32_t time) const {
    // A game with fighters saved by the checks' invulnerability is entered unsigned.
    return GameConfiguration::makeHighScore(result.players[index].score, result.wave, result.difficulty,
                                            result.reserveCounter == 0, entryName(index, name.get()), time);
}
