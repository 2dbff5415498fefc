#pragma once
#include <cstdint>
#include <span>

/// The slot of a text in every language row, 0 to STRING_ID_COUNT - 1.
using StringId = int32_t;

constexpr int STRING_ID_COUNT = 901;
constexpr int LANGUAGE_COUNT = 8;

/// STR_<KEY>: the id of each key, as the key files list them.
#define STRING_KEY(id, key) inline constexpr StringId STR_##key = id;
#include "localisation/keys/AllKeys.def"
#undef STRING_KEY

/// A key and the id it names.
struct StringKey {
    StringId id;
    const char16_t* key;
};

/// Every key in ascending id order; ids without a key hold the empty text in every language.
inline constexpr StringKey STRING_KEYS[] = {
#define STRING_KEY(id, key) {id, u"" #key},
#include "localisation/keys/AllKeys.def"
#undef STRING_KEY
};

/// The key families, each a range of ids with its own key file.
struct StringFamily {
    const char* name;
    StringId first;
    StringId last;
};

inline constexpr StringFamily STRING_FAMILIES[] = {
    {"Attributes", 0, 8}, {"KeyboardNames", 9, 154}, {"InputNames", 155, 198}, {"Countries", 199, 439},
    {"Common", 440, 543}, {"Network", 544, 639},     {"Game", 716, 834},       {"Platform", 845, 900},
};

/// Ids that never get a key; every language holds the empty text there.
struct StringIdRange {
    StringId first;
    StringId last;
};

inline constexpr StringIdRange UNASSIGNED_STRING_IDS[] = {{460, 460}, {555, 556}, {640, 715}, {835, 844},
                                                          {854, 854}, {863, 873}, {876, 877}};

constexpr bool isUnassignedStringId(StringId id) {
    for (const StringIdRange& range : UNASSIGNED_STRING_IDS)
        if (id >= range.first && id <= range.last) return true;
    return false;
}

/// Keys are 2 to 28 characters of A to Z, 0 to 9 and "_".
constexpr bool isWellFormedKey(const char16_t* key) {
    int length = 0;
    for (; key[length] != 0; ++length) {
        const char16_t c = key[length];
        if (!((c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_')) return false;
    }
    return length >= 2 && length <= 28;
}

/// The key files must list well-formed keys in strictly ascending order of assigned ids.
constexpr bool areKeyFilesConsistent() {
    StringId previous = -1;
    for (const StringKey& entry : STRING_KEYS) {
        if (entry.id <= previous || entry.id >= STRING_ID_COUNT) return false;
        if (isUnassignedStringId(entry.id) || !isWellFormedKey(entry.key)) return false;
        previous = entry.id;
    }
    return true;
}
static_assert(areKeyFilesConsistent(),
              "a key file lists a malformed key, an unassigned id or ids out of order");

/// The key of `id`, or null when it has none.
const char16_t* findStringKey(StringId id);
