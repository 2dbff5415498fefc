#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>
#include "core/WideString.h"
#include "platform/FileIo.h"

struct WadEntryRecord;

/// A mounted WAD archive (layout in core/WadFormat.h): the entry table is read and checked
/// when the archive opens; entry data is read and inflated on demand. Errors are returned,
/// never fatal here, so that tools can report them their own way.
class WadArchive {
public:
    struct Entry {
        std::string name;  // UTF-8, as stored
        uint32_t offset = 0;
        uint32_t compressedSize = 0;
        uint32_t size = 0;
    };

    /// The archive at `path` with its checked table, or null with `error` saying what is wrong.
    static std::unique_ptr<WadArchive> open(const WideString& path, WideString& error);

    const WideString& getPath() const { return path; }
    const std::vector<Entry>& getEntries() const { return entries; }
    /// The entry of that name (ASCII case ignored, '\\' read as '/'), or null.
    const Entry* find(WideStringView name) const;
    /// The entry's inflated bytes; false with `error` when its data is damaged.
    bool read(const Entry& entry, std::vector<uint8_t>& out, WideString& error) const;

private:
    WadArchive(WideString archivePath, platform::ReadOnlyFile archiveFile)
        : path(std::move(archivePath)), file(std::move(archiveFile)) {}
    bool readTable(WideString& error);
    bool addEntry(const WadEntryRecord& record, uint64_t tableEnd, WideString& error);

    WideString path;
    platform::ReadOnlyFile file;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> index;  // lookup key -> entry
};
