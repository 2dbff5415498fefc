#include "game/ProfileManager.h"
#include <cstring>
#include "core/AppEnvironment.h"
#include "core/ErrorManager.h"
#include "core/Format.h"
#include "core/Logger.h"
#include "core/StringUtil.h"
#include "game/UserDataFile.h"

namespace {

ProfileManager::ProfileChangedHook profileChangedHook;

bool isSlot(int index) {
    return index >= 0 && index < ProfileBlock::MAX_PROFILES;
}

/// The first `units` UTF-16 units of `text`, one fewer when the cut would split a surrogate pair.
WideString cutName(const WideString& text, std::size_t units) {
    if (text.size() <= units) return text;
    if (isHighSurrogate(text[units - 1])) --units;
    return text.substr(0, units);
}

}  // namespace

void ProfileManager::setProfileChangedHook(ProfileChangedHook hook) {
    profileChangedHook = std::move(hook);
}

ProfileManager::ProfileManager() {
    // The records drew identifiers as they were built; the block starts with none of them.
    ProfileBlock& block = *this;
    std::memset(static_cast<void*>(&block), 0, sizeof block);
    currentProfile = 0;
    load();
    onCurrentProfileChanged();
}

WideString ProfileManager::getFileName() {
    return stringf(u"%s.pro", BUILD_IDENTIFIER);
}

void ProfileManager::load() {
    ProfileBlock& block = *this;
    if (loadUserDataFile(&block, sizeof block, getFileName())) checkLoaded();
}

bool ProfileManager::save() const {
    const ProfileBlock& block = *this;
    return saveUserDataFile(&block, sizeof block, getFileName());
}

std::vector<uint8_t> ProfileManager::makeFile() const {
    const ProfileBlock& block = *this;
    return makeUserDataFile(&block, sizeof block, getFileName());
}

void ProfileManager::checkLoaded() {
    // Every user of the current profile indexes the records with it.
    if (!isSlot(currentProfile)) currentProfile = 0;
    for (int index = 0; index < MAX_PROFILES; ++index) {
        ProfileData& record = records[index];
        for (int slot = 0; slot < 2; ++slot) {
            const WideString change = record.savegames[slot].checkLoaded();
            if (!change.empty())
                VEK_LOG(u"Profile %d ('%s'), saved game %d %s.", index, record.name.get(), slot, change);
        }
    }
}

void ProfileManager::clearProfile(int slot) {
    VEK_ASSERT(isSlot(slot));
    records[slot] = ProfileData();
}

void ProfileManager::addProfile(WideStringView name) {
    int slot = 0;
    while (slot < MAX_PROFILES && !records[slot].isFree())
        ++slot;
    if (slot == MAX_PROFILES) return;
    clearProfile(slot);
    records[slot].name.set(name);
    currentProfile = slot;
    onCurrentProfileChanged();
}

void ProfileManager::deleteProfile(int index) {
    VEK_ASSERT(isSlot(index));
    for (int k = index; k < MAX_PROFILES - 1; ++k)
        records[k] = records[k + 1];
    clearProfile(MAX_PROFILES - 1);
    if (index == currentProfile && records[index].isFree()) currentProfile = 0;
}

int ProfileManager::getNumProfiles() const {
    int count = 0;
    for (const ProfileData& record : records)
        if (!record.isFree()) ++count;
    return count;
}

WideString ProfileManager::getProfileName(int index) const {
    VEK_ASSERT(isSlot(index));
    return records[index].name.get();
}

void ProfileManager::onCurrentProfileChanged() {
    ProfileData& current = records[currentProfile];
    const WideString name = cutName(current.name.get(), MAX_NAME_UNITS);
    current.name.set(name);
    VEK_LOG(u"Changing profile to '%s'...", name);
    if (profileChangedHook) profileChangedHook();
}
