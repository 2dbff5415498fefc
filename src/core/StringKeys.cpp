#include "core/StringKeys.h"
#include <algorithm>
#include <iterator>

const char16_t* findStringKey(StringId id) {
    const auto found =
        std::lower_bound(std::begin(STRING_KEYS), std::end(STRING_KEYS), id,
                         [](const StringKey& entry, StringId wanted) { return entry.id < wanted; });
    return found != std::end(STRING_KEYS) && found->id == id ? found->key : nullptr;
}
