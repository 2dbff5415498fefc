#pragma once
#include <array>
#include <cstddef>
#include <vector>

struct SDL_Texture;

namespace platform {

/// Parts of one texture as they were drawn, scaled or tinted, kept as pictures of their own: a
/// software renderer then copies them pixel for pixel instead of scaling and tinting them anew
/// every frame (a full-screen sky drawn at half size costs more than the rest of a frame). A
/// part is kept when it is asked for again soon after a miss, so parts drawn once or with a
/// look that changes every frame (a zoom, a fade) are not kept at all.
class PartCache {
  public:
    /// Source x, y, width and height in texels; drawn width and height in pixels; ARGB tint;
    /// 1 for bilinear filtering.
    using Key = std::array<long long, 8>;

    PartCache() = default;
    ~PartCache();
    PartCache(const PartCache&) = delete;
    PartCache& operator=(const PartCache&) = delete;

    /// The kept picture for `key`, or null; `bWorthKeeping` tells whether a miss repeats a recent one.
    SDL_Texture* find(const Key& key, bool& bWorthKeeping);
    /// Keeps `picture` (owned from now on) of `bytes` for `key`, dropping the least recently
    /// used beyond the limits.
    void keep(const Key& key, SDL_Texture* picture, std::size_t bytes);
    /// Drops every picture: the texture changed.
    void clear();

  private:
    struct Entry {
        Key key;
        SDL_Texture* picture;
        std::size_t bytes;
    };
    static constexpr std::size_t MAX_ENTRIES = 32;
    static constexpr std::size_t MAX_BYTES = 8u << 20;

    std::vector<Entry> entries; // most recently used first
    std::vector<Key> misses;    // most recent first, at most MAX_ENTRIES
    std::size_t totalBytes = 0;
};

} // namespace platform
