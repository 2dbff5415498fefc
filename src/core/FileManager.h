#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>
#include "core/WideString.h"

class WadArchive;

/// Where the engine's files come from: the mounted WAD archives or the disk, and the signed
/// data files in which the game keeps its records. Main thread only.
///
/// Paths inside archives are relative ("gfx/system/flags.tga"); relative disk paths are taken
/// from the program folder, so the program behaves alike wherever it is started from.
class FileManager {
public:
    FileManager();
    ~FileManager();
    FileManager(const FileManager&) = delete;
    FileManager& operator=(const FileManager&) = delete;

    /// The file manager of the running engine, or null outside its lifetime.
    static FileManager* get();

    /// The static `hq2x` setting; 2 makes `useWad` open the ".hq2x" variant of every archive.
    void setHq2x(int value) { hq2x = value; }
    /// Mounts the archive at `path` (+ ".hq2x" when `hq2x` is 2), or brings it to the front when
    /// it is mounted already: reads search the archives from the one used last. A missing or
    /// bad archive is fatal.
    void useWad(WideStringView path);

    /// The whole file: from the archives while `bUseWad` is set and `forceDisk` is not, else
    /// from the disk. Nullopt when it is not there; damaged archive data is fatal.
    std::optional<std::vector<uint8_t>> open(WideStringView path) const;
    /// The mounted archive that `open` reads `path` from; null when it reads the disk or no
    /// archive has the file.
    const WadArchive* findArchive(WideStringView path) const;
    /// The whole file from `archive` (one of the mounted ones), whichever archive is in front
    /// now, or from the disk when `archive` is null. Nullopt when it is not there.
    static std::optional<std::vector<uint8_t>> openIn(const WadArchive* archive, WideStringView path);
    /// The whole file from the disk; nullopt when it is missing, unreadable or over 1 GiB.
    static std::optional<std::vector<uint8_t>> openDisk(WideStringView path);
    /// Where `open` reads `path` from, for messages: "'<path>' in the archive '<archive>'",
    /// "'<path>' (in none of the archives '<archive>', ...)" or "'<disk path>'".
    WideString describe(WideStringView path) const;
    /// The same through the running file manager; the disk path when there is none.
    static WideString describeFile(WideStringView path);
    /// Renames a damaged user file to "<path>.bad", replacing an older one, so that the
    /// defaults saved later never overwrite the only copy of what the user had. Logged.
    static void keepAsBad(WideStringView path);
    /// True when `open` would find the file.
    bool exists(WideStringView path) const;
    static bool existsDisk(WideStringView path);
    /// Returns when the file exists on disk; else the fatal error naming it, errno and cwd.
    static void verifyFileDisk(WideStringView path);

    /// Writes `size` bytes at `data` as the signed data file folder + "/" + fileName
    /// (layout in core/SignedBlock.h), atomically: a crash leaves the old file or the new one.
    /// False, also logged, when it could not be written; the old file then stands.
    static bool saveSignedBlock(const void* data, std::size_t size, WideStringView folder,
                                WideStringView fileName, WideStringView keyText);
    /// Logs that the file at `path` could not be saved, and `error`, the platform's reason.
    static void logFailedSave(WideStringView path, std::string_view error);
    /// Fills `data` from such a file only when it is intact, holds exactly `size` bytes and was
    /// signed for this file name and key; else logs why, returns false and leaves `data` untouched.
    static bool loadSignedBlock(void* data, std::size_t size, WideStringView folder, WideStringView fileName,
                                WideStringView keyText);

    /// The path a disk read uses: absolute paths as they are, relative ones in the program folder.
    static WideString diskPath(WideStringView path);

    bool bUseWad = true;      // reads go to the mounted archives
    bool forceDisk = false;  // while set, every read goes to the disk

private:
    bool readsArchives() const { return bUseWad && !forceDisk; }

    std::vector<std::unique_ptr<WadArchive>> archives;  // the one used last first
    int hq2x = 0;
};
