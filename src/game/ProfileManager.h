#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>
#include "core/WideString.h"
#include "game/ProfileData.h"

/// The ten profile records and which one is current, exactly as the profile file holds them
/// (little-endian, 4808 bytes). Used records come first; a free record has an empty name.
struct ProfileBlock {
    static constexpr int MAX_PROFILES = 10;

    int32_t currentProfile = 0; // 0..9; 0 when there are no profiles
    uint32_t reserved = 0;
    ProfileData records[MAX_PROFILES];
};
static_assert(sizeof(ProfileBlock) == 4808);
static_assert(offsetof(ProfileBlock, records) == 8);

/// The player profiles of the running game: read from the profile file in the user-data
/// folder, saved by the game root (`Global::saveUserData`, and `Global::saveProfiles` at each
/// save of a running game). Main thread only.
class ProfileManager : public ProfileBlock {
  public:
    /// A profile name is cut to this many UTF-16 units when its profile becomes current.
    static constexpr std::size_t MAX_NAME_UNITS = 16;

    /// What else a change of the current profile resets (the game root's highlighted
    /// high-score row); the game root installs it while it exists, else it is empty.
    using ProfileChangedHook = std::function<void()>;
    static void setProfileChangedHook(ProfileChangedHook hook);

    /// Every record free, then the file, then `onCurrentProfileChanged`.
    ProfileManager();
    ProfileManager(const ProfileManager&) = delete;
    ProfileManager& operator=(const ProfileManager&) = delete;

    /// Replaces the block with the file's when the file is intact (it is then checked field by
    /// field); a file that fails is kept as "<name>.bad" and the block stays as it was.
    void load();
    /// Writes the whole block; false when it could not be written.
    bool save() const;
    /// The profile file that `save` writes, for the block as it stands now.
    std::vector<uint8_t> makeFile() const;
    /// "ZV2rmBrumedemo.pro": the build identifier and ".pro".
    static WideString getFileName();

    /// Makes record `slot` a fresh free record with a new identifier.
    void clearProfile(int slot);
    /// Puts `name` into the first free record and makes it current; nothing when all are used.
    void addProfile(WideStringView name);
    /// Moves the records behind `index` one place down and frees the last one. When `index` was
    /// current and no record has moved into it, the first record becomes current. The caller
    /// calls `onCurrentProfileChanged` afterwards.
    void deleteProfile(int index);
    /// The number of used records, wherever they are.
    int getNumProfiles() const;
    WideString getProfileName(int index) const;
    /// Cuts the current name to MAX_NAME_UNITS, logs the change and runs the hook.
    void onCurrentProfileChanged();

  private:
    /// Brings every field of a block read from a file into its range; logs each saved game that
    /// it empties or mends, with the profile, the slot and why.
    void checkLoaded();
};
static_assert(sizeof(ProfileManager) == sizeof(ProfileBlock));
