#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// The WAD archive, version 2: the one definition of its layout, shared by reader and writer.
///
/// Layout (little-endian):
///   header, 12 bytes:   char magic[4] = "VWAD", u32 version = WAD_VERSION, u32 entry count
///   entry table:        entry count records of 92 bytes, right after the header:
///                         char name[80]       UTF-8 path, NUL-terminated (at most 79 bytes)
///                         u32 offset          of the entry's zlib stream from the file start
///                         u32 compressedSize  bytes of that stream
///                         u32 size            bytes after inflation
///   entry data:         every entry is one zlib stream (RFC 1950), lying after the table
///
/// Names are relative paths with '/' separators, stored with the case they were packed with.
/// Lookups ignore ASCII case (content named on case-blind systems keeps working), so two names
/// that differ only in ASCII case cannot share an archive; the writer refuses them and the
/// reader rejects such an archive.
struct WadHeader {
    char magic[4];
    uint32_t version;
    uint32_t entryCount;
};

struct WadEntryRecord {
    char name[80];
    uint32_t offset;
    uint32_t compressedSize;
    uint32_t size;
};

static_assert(sizeof(WadHeader) == 12);
static_assert(sizeof(WadEntryRecord) == 92);
static_assert(offsetof(WadEntryRecord, offset) == 80);

constexpr char WAD_MAGIC[4] = {'V', 'W', 'A', 'D'};
constexpr uint32_t WAD_VERSION = 2;
/// Deflate never inflates more than this many bytes per compressed byte; an entry claiming more lies.
constexpr uint64_t WAD_MAX_INFLATE_RATIO = 1032;

/// True for a name an archive may hold: 1 to 79 bytes, relative, '/' separators, no empty,
/// "." or ".." part and no NUL or '\\' (so extracting can never leave the target folder).
bool isValidWadName(std::string_view name);
/// The lookup key of a name: ASCII letters folded to lower case, '\\' read as '/'.
std::string wadLookupKey(std::string_view name);
