#include "media/FontCache.h"
#include <algorithm>
#include "core/UserSettings.h"
#include "core/Vek.h"
#include "media/VekGraphics.h"
#include "platform/RenderDevice.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(FontCache, VekBase, u"FontCache")

namespace {

constexpr int GAP = 1; // pixels between texts, so that no text samples its neighbour
constexpr uint32_t CLEAR_WHITE = 0x00FFFFFF;
constexpr uint32_t CLEAR_BLACK = 0x00000000;

double engineTime() {
    Vek* engine = Vek::get();
    return engine ? engine->getTimeSinceStart() : 0.0;
}

} // namespace

FontCache::FontCache(bool clearWhite) : clock(engineTime), bClearWhite(clearWhite) {}

FontCache::~FontCache() = default;

bool FontCache::isEnabled() {
    Vek* engine = Vek::get();
    return !engine || engine->getUserSettings().getBool(SETTINGS_SECTION, u"bEnabled", true);
}

const platform::DeviceTexture* FontCache::getPage(int index) const {
    return index >= 0 && index < getPageCount() ? pages[index].pTarget.get() : nullptr;
}

void FontCache::maintain(const VekGraphics& graphics, double now) {
    if (graphics.getDeviceGeneration() != deviceGeneration) {
        dropAll();
        deviceGeneration = graphics.getDeviceGeneration();
    }
    if (now - lastSweep >= SWEEP_INTERVAL) {
        lastSweep = now;
        evictUnusedSince(now - MAX_AGE);
    }
}

const FontCacheEntry* FontCache::find(std::u16string_view text) {
    const VekGraphics* graphics = VekGraphics::get();
    if (!graphics || graphics->bScreenshotInProgress) return nullptr;
    const double now = clock();
    maintain(*graphics, now);
    const auto found = entries.find(text);
    if (found == entries.end()) return nullptr;
    found->second.lastUse = pages[found->second.page].lastUse = now;
    return &found->second;
}

const FontCacheEntry* FontCache::add(std::u16string_view text, int width, int height, int scale,
                                     const DrawText& draw) {
    VekGraphics* graphics = VekGraphics::get();
    if (!graphics || graphics->bScreenshotInProgress || width <= 0 || height <= 0 || width > PAGE_SIZE ||
        height > PAGE_SIZE)
        return nullptr;
    const double now = clock();
    maintain(*graphics, now);
    if (const auto found = entries.find(text); found != entries.end()) return &found->second;
    FontCacheEntry entry;
    if (!allocate(*graphics, width, height, entry.page, entry.x, entry.y)) return nullptr;
    Page& page = pages[entry.page];
    graphics->drawIntoTarget(*page.pTarget, [&] {
        if (page.bNeedsClear) {
            graphics->getDevice().clearTarget(bClearWhite ? CLEAR_WHITE : CLEAR_BLACK);
            page.bNeedsClear = false;
        }
        draw(static_cast<float>(entry.x), static_cast<float>(PAGE_SIZE - entry.y));
    });
    entry.text = WideString(text);
    entry.width = width;
    entry.height = height;
    entry.scale = scale;
    entry.lastUse = page.lastUse = now;
    ++page.entryCount;
    return &entries.emplace(entry.text, std::move(entry)).first->second;
}

bool FontCache::place(Page& page, int width, int height, int& x, int& y) {
    for (Shelf& shelf : page.shelves) {
        if (height <= shelf.height && shelf.used + width <= PAGE_SIZE) {
            x = shelf.used;
            y = shelf.y;
            shelf.used += width + GAP;
            return true;
        }
    }
    const int top = page.shelves.empty() ? 0 : page.shelves.back().y + page.shelves.back().height + GAP;
    if (top + height > PAGE_SIZE) return false;
    page.shelves.push_back({top, height, width + GAP});
    x = 0;
    y = top;
    return true;
}

bool FontCache::allocate(VekGraphics& graphics, int width, int height, int& pageIndex, int& x, int& y) {
    for (pageIndex = 0; pageIndex < getPageCount(); ++pageIndex)
        if (place(pages[pageIndex], width, height, x, y)) return true;
    if (getPageCount() < MAX_PAGES) {
        Page page;
        page.pTarget = graphics.getDevice().createTexture(PAGE_SIZE, PAGE_SIZE, true);
        if (!page.pTarget) return false;
        pages.push_back(std::move(page));
        pageIndex = getPageCount() - 1;
        return place(pages.back(), width, height, x, y);
    }
    // Every page is full: the one drawn from least recently starts afresh.
    const auto oldest = std::min_element(pages.begin(), pages.end(),
                                         [](const Page& a, const Page& b) { return a.lastUse < b.lastUse; });
    pageIndex = static_cast<int>(oldest - pages.begin());
    std::erase_if(entries, [&](const auto& item) { return item.second.page == pageIndex; });
    resetPage(*oldest);
    return place(*oldest, width, height, x, y);
}

void FontCache::evictUnusedSince(double time) {
    std::erase_if(entries, [&](const auto& item) {
        if (item.second.lastUse >= time) return false;
        Page& page = pages[item.second.page];
        if (--page.entryCount == 0) resetPage(page);
        return true;
    });
}

void FontCache::resetPage(Page& page) {
    page.shelves.clear();
    page.entryCount = 0;
    page.bNeedsClear = true;
}

void FontCache::dropAll() {
    entries.clear();
    pages.clear();
}
