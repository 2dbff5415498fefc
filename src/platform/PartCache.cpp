#include "platform/PartCache.h"
#include <SDL.h>
#include <algorithm>

namespace platform {

PartCache::~PartCache() {
    clear();
}

SDL_Texture* PartCache::find(const Key& key, bool& bWorthKeeping) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.key == key; });
    if (found != entries.end()) {
        std::rotate(entries.begin(), found, found + 1);
        bWorthKeeping = false;
        return entries.front().picture;
    }
    const auto missed = std::find(misses.begin(), misses.end(), key);
    bWorthKeeping = missed != misses.end();
    if (bWorthKeeping) {
        misses.erase(missed);
    } else {
        if (misses.size() == MAX_ENTRIES) misses.pop_back();
        misses.insert(misses.begin(), key);
    }
    return nullptr;
}

void PartCache::keep(const Key& key, SDL_Texture* picture, std::size_t bytes) {
    entries.insert(entries.begin(), Entry{key, picture, bytes});
    totalBytes += bytes;
    while (entries.size() > 1 && (entries.size() > MAX_ENTRIES || totalBytes > MAX_BYTES)) {
        SDL_DestroyTexture(entries.back().picture);
        totalBytes -= entries.back().bytes;
        entries.pop_back();
    }
}

void PartCache::clear() {
    for (const Entry& entry : entries) SDL_DestroyTexture(entry.picture);
    entries.clear();
    misses.clear();
    totalBytes = 0;
}

} // namespace platform
