#include "core/WadArchive.h"
#include <cstring>
#include "core/Format.h"
#include "core/StringUtil.h"
#include "core/WadFormat.h"
#include "platform/Compression.h"

std::unique_ptr<WadArchive> WadArchive::open(const WideString& path, WideString& error) {
    std::string reason;
    auto file = platform::ReadOnlyFile::open(toFileName(path), reason);
    if (!file) {
        error = fromUtf8(reason);
        return nullptr;
    }
    std::unique_ptr<WadArchive> archive(new WadArchive(path, std::move(*file)));
    if (!archive->readTable(error)) return nullptr;
    return archive;
}

bool WadArchive::readTable(WideString& error) {
    WadHeader header;
    if (!file.readAt(0, {reinterpret_cast<uint8_t*>(&header), sizeof header})) {
        error = stringf(u"file of %u bytes is too short for a header", static_cast<uint32_t>(file.size()));
        return false;
    }
    if (std::memcmp(header.magic, WAD_MAGIC, sizeof WAD_MAGIC) != 0) {
        error = u"not a WAD archive";
        return false;
    }
    if (header.version != WAD_VERSION) {
        error = stringf(u"version %u, expected %u", header.version, WAD_VERSION);
        return false;
    }
    const uint64_t tableEnd = sizeof header + uint64_t(header.entryCount) * sizeof(WadEntryRecord);
    if (tableEnd > file.size()) {
        error = stringf(u"%u entries do not fit in %u bytes", header.entryCount,
                        static_cast<uint32_t>(file.size()));
        return false;
    }
    std::vector<WadEntryRecord> records(header.entryCount);
    if (!file.readAt(sizeof header,
                     {reinterpret_cast<uint8_t*>(records.data()), records.size() * sizeof(WadEntryRecord)})) {
        error = u"could not read the entry table";
        return false;
    }
    entries.reserve(records.size());
    for (const WadEntryRecord& record : records)
        if (!addEntry(record, tableEnd, error)) return false;
    return true;
}

bool WadArchive::addEntry(const WadEntryRecord& record, uint64_t tableEnd, WideString& error) {
    const int number = static_cast<int>(entries.size());
    const void* end = std::memchr(record.name, 0, sizeof record.name);
    if (!end) {
        error = stringf(u"entry %d has an unterminated name", number);
        return false;
    }
    Entry entry{std::string(record.name, static_cast<const char*>(end)), record.offset, record.compressedSize,
                record.size};
    const WideString name = fromUtf8(entry.name);
    if (!isValidWadName(entry.name)) {
        error = stringf(u"entry %d has the invalid name '%s'", number, name);
        return false;
    }
    if (entry.offset < tableEnd || uint64_t(entry.offset) + entry.compressedSize > file.size()) {
        error = stringf(u"entry '%s' lies outside the data (offset %u, %u bytes)", name, entry.offset,
                        entry.compressedSize);
        return false;
    }
    if (entry.size > uint64_t(entry.compressedSize) * WAD_MAX_INFLATE_RATIO) {
        error = stringf(u"entry '%s' claims %u bytes from %u compressed bytes", name, entry.size,
                        entry.compressedSize);
        return false;
    }
    if (!index.emplace(wadLookupKey(entry.name), entries.size()).second) {
        error = stringf(u"entry '%s' appears twice", name);
        return false;
    }
    entries.push_back(std::move(entry));
    return true;
}

const WadArchive::Entry* WadArchive::find(WideStringView name) const {
    const auto found = index.find(wadLookupKey(toUtf8(name)));
    return found == index.end() ? nullptr : &entries[found->second];
}

bool WadArchive::read(const Entry& entry, std::vector<uint8_t>& out, WideString& error) const {
    std::vector<uint8_t> stream(entry.compressedSize);
    if (!file.readAt(entry.offset, stream)) {
        error = stringf(u"entry '%s' could not be read", fromUtf8(entry.name));
        return false;
    }
    std::vector<uint8_t> bytes(entry.size);
    if (!platform::inflateZlib(stream, bytes)) {
        error = stringf(u"entry '%s' does not inflate to its %u bytes", fromUtf8(entry.name), entry.size);
        return false;
    }
    out = std::move(bytes);
    return true;
}
