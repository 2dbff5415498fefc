#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>
#include "core/VekBase.h"
#include "media/FontCacheEntry.h"

class VekGraphics;
namespace platform {
class DeviceTexture;
}

/// Texts of a font drawn once into render-target pages and reused: one quad instead of one
/// per glyph. A page is filled shelf by shelf; texts unused for MAX_AGE seconds are dropped,
/// a page with nothing left starts afresh, and when every page is full the page used least
/// recently is emptied. A device restart or the loss of the render targets' contents empties
/// the whole cache. Main thread only.
class FontCache : public VekBase {
    VEK_REGISTERED_CLASS()

    static constexpr int PAGE_SIZE = 512; ///< pixels, square
    static constexpr int MAX_PAGES = 4;
    static constexpr double MAX_AGE = 10.0;       ///< seconds a text stays without being drawn
    static constexpr double SWEEP_INTERVAL = 1.0; ///< seconds between looks for old texts
    static constexpr char16_t SETTINGS_SECTION[] = u"FontCache";

    /// Draws a text into the cache with its top-left corner at (left, top) in the page's
    /// pixels (y up from the page's bottom edge), in opaque white.
    using DrawText = std::function<void(float left, float top)>;

    /// `bClearWhite` (the font's cache flag): the pages are cleared to transparent white, so
    /// that the edges of white glyphs stay white when blended; else to transparent black.
    explicit FontCache(bool bClearWhite);
    ~FontCache() override;

    /// The engine's switch for every font cache: the user setting "bEnabled" of section
    /// "FontCache" (on when there is no engine).
    static bool isEnabled();

    /// The entry of `text` when it is held (it then counts as used now), else null.
    const FontCacheEntry* find(std::u16string_view text);
    /// Draws `text` (`width` by `height` pixels, `scale` of them per font pixel) into the cache
    /// with `draw`; null when it cannot be held (larger than a page, no graphics, a screenshot
    /// being drawn), in which case the caller draws the text itself.
    const FontCacheEntry* add(std::u16string_view text, int width, int height, int scale, const DrawText& draw);
    /// The render target of a page, for drawing an entry; null for a page not made.
    const platform::DeviceTexture* getPage(int index) const;
    /// Drops the texts last drawn before `time` (seconds on the cache's clock).
    void evictUnusedSince(double time);

    std::size_t size() const { return entries.size(); }
    int getPageCount() const { return static_cast<int>(pages.size()); }

    /// Seconds, for ages; the engine's time since start by default.
    std::function<double()> clock;

  private:
    struct Shelf {
        int y = 0; // top row
        int height = 0;
        int used = 0; // columns taken from the left
    };
    struct Page {
        std::unique_ptr<platform::DeviceTexture> pTarget;
        std::vector<Shelf> shelves;
        int entryCount = 0;
        double lastUse = 0.0;
        bool bNeedsClear = true;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::u16string_view text) const {
            return std::hash<std::u16string_view>{}(text);
        }
    };

    bool place(Page& page, int width, int height, int& x, int& y);
    bool allocate(VekGraphics& graphics, int width, int height, int& pageIndex, int& x, int& y);
    void resetPage(Page& page);
    /// Empties the cache when the device lost the pages, and drops old texts now and then.
    void maintain(const VekGraphics& graphics, double now);
    void dropAll();

    bool bClearWhite;
    std::vector<Page> pages;
    std::unordered_map<WideString, FontCacheEntry, Hash, std::equal_to<>> entries;
    uint32_t deviceGeneration = 0;
    double lastSweep = 0.0;
};
