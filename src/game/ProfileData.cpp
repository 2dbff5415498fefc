#include "game/ProfileData.h"
#include "game/RandomIdentifier.h"

ProfileData::ProfileData() {
    reset();
}

void ProfileData::reset() {
    name.set(u"");
    profileId = drawRandomIdentifier();
    savegames[0] = SavegameData{};
    savegames[1] = SavegameData{};
}
