#include "media/FontQuad.h"
#include <algorithm>
#include <cmath>
#include "core/ErrorManager.h"
#include "core/Format.h"
#include "core/Language.h"
#include "core/MemoryFile.h"
#include "core/ResourceManager.h"
#include "core/StringUtil.h"
#include "core/Vek.h"
#include "media/CodePointTable.h"
#include "media/FontCache.h"
#include "media/FontGDI.h"
#include "media/Renderable.h"
#include "media/Texture.h"
#include "media/TextureSkin.h"
#include "media/VekGraphics.h"

VEK_REGISTER_CLASS(FontQuad, VekBase, u"FontQuad")

namespace {

constexpr std::size_t CODE_COUNT = 0x10000;
constexpr uint32_t CACHE_DRAW_COLOUR = 0xFFFFFFFF; // the cache holds white text, tinted when drawn
constexpr int ACCENT_LIFT_DIVISOR = 5;             // capitals carry their accent a fifth of a line higher
constexpr int SYSTEM_FONT_EM_PERCENT = 75;         // the TrueType em against the bitmap line height
constexpr int DEFAULT_SYSTEM_FONT_SIZE = 12;

// An accented letter made of a base letter and an accent glyph.
struct CompositeDefinition {
    char16_t code;
    char16_t base;
    char16_t accent;
    bool bBelow;
};

// Windows code page 1252: 54 letters.
constexpr CompositeDefinition COMPOSITES_1252[] = {
    {0x0178, u'Y', 0x00A8, false}, {0x00C0, u'A', 0x0060, false}, {0x00C1, u'A', 0x00B4, false},
    {0x00C2, u'A', 0x005E, false}, {0x00C3, u'A', 0x007E, false}, {0x00C4, u'A', 0x00A8, false},
    {0x00C5, u'A', 0x00B0, false}, {0x00C7, u'C', 0x00B8, true},  {0x00C8, u'E', 0x0060, false},
    {0x00C9, u'E', 0x00B4, false}, {0x00CA, u'E', 0x005E, false}, {0x00CB, u'E', 0x00A8, false},
    {0x00CC, u'I', 0x0060, false}, {0x00CD, u'I', 0x00B4, false}, {0x00CE, u'I', 0x005E, false},
    {0x00CF, u'I', 0x00A8, false}, {0x00D1, u'N', 0x007E, false}, {0x00D2, u'O', 0x0060, false},
    {0x00D3, u'O', 0x00B4, false}, {0x00D4, u'O', 0x005E, false}, {0x00D5, u'O', 0x007E, false},
    {0x00D6, u'O', 0x00A8, false}, {0x00D9, u'U', 0x0060, false}, {0x00DA, u'U', 0x00B4, false},
    {0x00DB, u'U', 0x005E, false}, {0x00DC, u'U', 0x00A8, false}, {0x00DD, u'Y', 0x00B4, false},
    {0x00E0, u'a', 0x0060, false}, {0x00E1, u'a', 0x00B4, false}, {0x00E2, u'a', 0x005E, false},
    {0x00E3, u'a', 0x007E, false}, {0x00E4, u'a', 0x00A8, false}, {0x00E5, u'a', 0x00B0, false},
    {0x00E7, u'c', 0x00B8, true},  {0x00E8, u'e', 0x0060, false}, {0x00E9, u'e', 0x00B4, false},
    {0x00EA, u'e', 0x005E, false}, {0x00EB, u'e', 0x00A8, false}, {0x00EC, u'i', 0x0060, false},
    {0x00ED, u'i', 0x00B4, false}, {0x00EE, u'i', 0x005E, false}, {0x00EF, u'i', 0x00A8, false},
    {0x00F1, u'n', 0x007E, false}, {0x00F2, u'o', 0x0060, false}, {0x00F3, u'o', 0x00B4, false},
    {0x00F4, u'o', 0x005E, false}, {0x00F5, u'o', 0x007E, false}, {0x00F6, u'o', 0x00A8, false},
    {0x00F9, u'u', 0x0060, false}, {0x00FA, u'u', 0x00B4, false}, {0x00FB, u'u', 0x005E, false},
    {0x00FC, u'u', 0x00A8, false}, {0x00FD, u'y', 0x00B4, false}, {0x00FF, u'y', 0x00A8, false},
};
// Windows code page 1250: 76 letters.
constexpr CompositeDefinition COMPOSITES_1250[] = {
    {0x0160, u'S', 0x02C7, false}, {0x015A, u'S', 0x00B4, false}, {0x0164, u'T', 0x02C7, false},
    {0x017D, u'Z', 0x02C7, false}, {0x0179, u'Z', 0x00B4, false}, {0x0161, u's', 0x02C7, false},
    {0x015B, u's', 0x00B4, false}, {0x0165, u't', 0x02C7, false}, {0x017E, u'z', 0x02C7, false},
    {0x017A, u'z', 0x00B4, false}, {0x0104, u'A', 0x02DB, true},  {0x015E, u'S', 0x00B8, true},
    {0x017B, u'Z', 0x02D9, false}, {0x0105, u'a', 0x02DB, true},  {0x015F, u's', 0x00B8, true},
    {0x013D, u'L', 0x02C7, false}, {0x013E, u'l', 0x02C7, false}, {0x017C, u'z', 0x02D9, false},
    {0x0154, u'R', 0x00B4, false}, {0x00C1, u'A', 0x00B4, false}, {0x00C2, u'A', 0x005E, false},
    {0x0102, u'A', 0x02D8, false}, {0x00C4, u'A', 0x00A8, false}, {0x0139, u'L', 0x00B4, false},
    {0x0106, u'C', 0x00B4, false}, {0x00C7, u'C', 0x00B8, true},  {0x010C, u'C', 0x02C7, false},
    {0x00C9, u'E', 0x00B4, false}, {0x0118, u'E', 0x02DB, true},  {0x00CB, u'E', 0x00A8, false},
    {0x011A, u'E', 0x02C7, false}, {0x00CD, u'I', 0x00B4, false}, {0x00CE, u'I', 0x005E, false},
    {0x010E, u'D', 0x02C7, false}, {0x0143, u'N', 0x00B4, false}, {0x0147, u'N', 0x02C7, false},
    {0x00D3, u'O', 0x00B4, false}, {0x00D4, u'O', 0x005E, false}, {0x0150, u'O', 0x02DD, false},
    {0x00D6, u'O', 0x00A8, false}, {0x0158, u'R', 0x02C7, false}, {0x016E, u'U', 0x00B0, false},
    {0x00DA, u'U', 0x00B4, false}, {0x0170, u'U', 0x02DD, false}, {0x00DC, u'U', 0x00A8, false},
    {0x00DD, u'Y', 0x00B4, false}, {0x0162, u'T', 0x00B8, true},  {0x0155, u'r', 0x00B4, false},
    {0x00E1, u'a', 0x00B4, false}, {0x00E2, u'a', 0x005E, false}, {0x0103, u'a', 0x02D8, false},
    {0x00E4, u'a', 0x00A8, false}, {0x013A, u'l', 0x00B4, false}, {0x0107, u'c', 0x00B4, false},
    {0x00E7, u'c', 0x00B8, true},  {0x010D, u'c', 0x02C7, false}, {0x00E9, u'e', 0x00B4, false},
    {0x0119, u'e', 0x02DB, true},  {0x00EB, u'e', 0x00A8, false}, {0x011B, u'e', 0x02C7, false},
    {0x00ED, u'i', 0x00B4, false}, {0x00EE, u'i', 0x005E, false}, {0x010F, u'd', 0x02C7, false},
    {0x0144, u'n', 0x00B4, false}, {0x0148, u'n', 0x02C7, false}, {0x00F3, u'o', 0x00B4, false},
    {0x00F4, u'o', 0x005E, false}, {0x0151, u'o', 0x02DD, false}, {0x00F6, u'o', 0x00A8, false},
    {0x0159, u'r', 0x02C7, false}, {0x016F, u'u', 0x00B0, false}, {0x00FA, u'u', 0x00B4, false},
    {0x0171, u'u', 0x02DD, false}, {0x00FC, u'u', 0x00A8, false}, {0x00FD, u'y', 0x00B4, false},
    {0x0163, u't', 0x00B8, true},
};

struct CompositeSet {
    const char16_t* codePage;
    std::span<const CompositeDefinition> letters;
};
constexpr CompositeSet COMPOSITE_SETS[] = {{u"1252", COMPOSITES_1252}, {u"1250", COMPOSITES_1250}};

constexpr char16_t TAB = u'\t';
constexpr char16_t BLANK = u' ';

// The code whose glyph shows the unit at `at`. The pages keep the Back icon at the tab's code,
// and a caption sets its icon apart from the word by blanks; a tab that touches another
// character is white space in a text (a key's name) and shows as a blank.
char16_t shownCode(WideStringView text, std::size_t at) {
    if (text[at] != TAB) return text[at];
    const bool bApartBefore = at == 0 || text[at - 1] == BLANK;
    const bool bApartAfter = at + 1 == text.size() || text[at + 1] == BLANK;
    return bApartBefore && bApartAfter ? TAB : BLANK;
}

// Where the text's top-left corner lies against the point (y up), for a text of that size.
Vector2 placeText(float width, float height, int flags) {
    Vector2 corner;
    if (flags & FontQuad::TEXT_CENTRE)
        corner.x = -std::floor(width * 0.5f);
    else if (flags & FontQuad::TEXT_RIGHT)
        corner.x = -width;
    if (flags & FontQuad::TEXT_MIDDLE)
        corner.y = std::floor(height * 0.5f);
    else if (flags & FontQuad::TEXT_BOTTOM)
        corner.y = height;
    return corner;
}

VekGraphics::QuadCorner corner(const Transform& world, float x, float y, float u, float v, uint32_t colour) {
    return {world.apply({x, y, 0.f}), u, v, colour};
}

VekGraphics::QuadCorners rectangle(const Transform& world, const Rect& local, const Rect& uv,
                                   uint32_t colour) {
    return {corner(world, local.left, local.top, uv.left, uv.top, colour),
            corner(world, local.right, local.top, uv.right, uv.top, colour),
            corner(world, local.right, local.bottom, uv.right, uv.bottom, colour),
            corner(world, local.left, local.bottom, uv.left, uv.bottom, colour)};
}

WideString currentCodePage() {
    Vek* engine = Vek::get();
    return engine ? WideString(engine->getLanguage().getString(STR_LANGUAGECODEPAGE)) : WideString(u"1252");
}

CodePointTable codePageTable(WideStringView codePage, const ResourceManager& resources) {
    if (std::optional<CodePointTable> builtIn = CodePointTable::forWindowsCodePage(codePage)) return *builtIn;
    const WideString name = stringf(u"%s.codepointLUT", codePage);
    const MemoryFile* file = resources.find<MemoryFile>(name, false);
    if (!file) VEK_ERROR(u"No LUT for codepage '%s'.", codePage);
    std::string reason;
    std::optional<CodePointTable> table = CodePointTable::decode(file->getBytes(), reason);
    if (!table) VEK_ERROR(u"Bad code-point table '%s': %s", name, fromUtf8(reason));
    return std::move(*table);
}

} // namespace

FontQuad::FontQuad() : glyphIndex(CODE_COUNT, -1) {}

FontQuad::~FontQuad() = default;

void FontQuad::addSourceTexture(const Texture* texture, int firstCode, bool bUseCodePageTable) {
    if (!bUseCodePageTable) {
        addFrames(texture, firstCode, nullptr);
        return;
    }
    Vek* engine = Vek::get();
    VEK_ASSERT(engine != nullptr);
    const CodePointTable table = codePageTable(currentCodePage(), engine->getResourceManager());
    addFrames(texture, firstCode, &table);
}

void FontQuad::addSourceTextures(WideStringView base) {
    Vek* engine = Vek::get();
    VEK_ASSERT(engine != nullptr);
    addSourceTextures(base, engine->getResourceManager(), currentCodePage());
}

void FontQuad::addSourceTextures(WideStringView base, const ResourceManager& resources,
                                 WideStringView codePage) {
    const CodePointTable table = codePageTable(codePage, resources);
    for (const char16_t* format : {u"%s%d", u"%sExtra%d"}) {
        for (int page = 1;; ++page) {
            const Texture* texture = resources.find<Texture>(stringf(format, base, page), false);
            if (!texture) break;
            addFrames(texture, CONTINUE_CODE, &table);
        }
    }
}

void FontQuad::addFrames(const Texture* texture, int firstSlot, const CodePointTable* table) {
    VEK_ASSERT(texture != nullptr);
    const int first = firstSlot == CONTINUE_CODE ? nextSlot : firstSlot;
    const int count = static_cast<int>(texture->skins.size());
    for (int frame = 0; frame < count; ++frame) {
        const int slot = first + frame;
        const int code = table ? table->codeOf(slot) : slot;
        if (code < 0 || code >= static_cast<int>(CODE_COUNT) || code == CodePointTable::NO_CODE) continue;
        const TextureSkin* skin = texture->skins[frame];
        Glyph glyph;
        glyph.pTexture = texture;
        glyph.pSkin = skin;
        glyph.width = static_cast<int>(skin->width);
        glyph.height = static_cast<int>(skin->height);
        addGlyph(static_cast<char16_t>(code), glyph);
    }
    nextSlot = first + count;
}

void FontQuad::addGlyph(char16_t code, Glyph glyph) {
    lineHeight = std::max(lineHeight, glyph.height);
    int32_t& index = glyphIndex[code];
    if (index >= 0) {
        glyphs[index] = glyph;
        return;
    }
    index = static_cast<int32_t>(glyphs.size());
    glyphs.push_back(glyph);
}

void FontQuad::setupCompositeChars() {
    Vek* engine = Vek::get();
    const bool bComposite =
        engine && WideStringView(engine->getLanguage().getString(STR_LANGUAGECOMPOSITECHARS)) == u"Yes";
    setupCompositeChars(currentCodePage(), bComposite);
}

void FontQuad::setupCompositeChars(WideStringView codePage, bool bCompositeLanguage) {
    if (!bCompositeLanguage) return;
    for (const CompositeSet& set : COMPOSITE_SETS) {
        if (codePage != set.codePage) continue;
        for (const CompositeDefinition& letter : set.letters) {
            const int32_t base = glyphIndex[letter.base];
            const int32_t accent = glyphIndex[letter.accent];
            if (hasGlyph(letter.code) || base < 0 || accent < 0) continue; // the font's own glyph wins
            Glyph glyph;
            glyph.width = glyphs[base].width;
            glyph.height = glyphs[base].height;
            glyph.base = base;
            glyph.accent = accent;
            glyph.bBelow = letter.bBelow;
            glyph.bUpperCase = letter.base >= u'A' && letter.base <= u'Z';
            addGlyph(letter.code, glyph);
        }
    }
}

void FontQuad::createFontCache() {
    if (!bUseFontCache || pCache || !FontCache::isEnabled()) return;
    pCache = new FontCache(bCacheFlag);
    addChild(pCache);
}

int FontQuad::getRasterScale() const {
    const VekGraphics* graphics = VekGraphics::get();
    if (!bDisplayScaling || !graphics) return 1;
    return std::max(1, graphics->getViewportHeight() / SCALING_HEIGHT);
}

const FontQuad::Glyph* FontQuad::glyphOf(char16_t code) const {
    const int32_t index = glyphIndex[code];
    return index >= 0 ? &glyphs[index] : nullptr;
}

int FontQuad::advanceOf(const Glyph* glyph) const {
    return glyph ? glyph->width + glyphSpacing : missingGlyphAdvance;
}

int FontQuad::pixelWidth(WideStringView text) const {
    int width = 0;
    for (std::size_t at = 0; at < text.size(); ++at)
        width += advanceOf(glyphOf(shownCode(text, at)));
    return width;
}

TextExtent FontQuad::measureText(WideStringView text, int flags) const {
    if (usesSystemFont(flags)) {
        FontGDI& font = systemFont();
        return {static_cast<float>(font.measure(text)), static_cast<float>(font.getLineHeight())};
    }
    return {static_cast<float>(pixelWidth(text)), static_cast<float>(lineHeight)};
}

Rect FontQuad::measureTextRect(WideStringView text, int flags) const {
    const TextExtent size = measureText(text, flags);
    const Vector2 corner = placeText(size.width, size.height, flags);
    return {corner.x, corner.y, corner.x + size.width, corner.y - size.height};
}

void FontQuad::drawText(WideStringView text, float x, float y, float z, uint32_t colour, int flags) {
    Transform world;
    world.translation = {x, y, z};
    drawPlaced(world, text, colour, flags);
}

void FontQuad::renderText(const Renderable& placement, WideStringView text, int flags) {
    if (placement.hidden) return;
    drawPlaced(placement.getWorldTransform(), text, placement.color, flags);
}

void FontQuad::renderTextShadowed(const Renderable& placement, WideStringView text, int flags,
                                  const Vector3& shadowOffset, uint32_t shadowColour) {
    if (placement.hidden) return;
    const VekGraphics* graphics = VekGraphics::get();
    if (graphics && graphics->bDetail) {
        Transform shadow = placement.getWorldTransform();
        shadow.translation = shadow.apply(shadowOffset);
        drawPlaced(shadow, text, shadowColour, flags);
    }
    drawPlaced(placement.getWorldTransform(), text, placement.color, flags);
}

void FontQuad::drawPlaced(const Transform& world, WideStringView text, uint32_t colour, int flags) {
    VekGraphics* graphics = VekGraphics::get();
    if (text.empty() || !graphics) return;
    if (usesSystemFont(flags)) {
        drawSystemText(*graphics, world, text, colour, flags);
        return;
    }
    const bool bCacheable = pCache && !(flags & TEXT_NOCACHE) && text.size() >= MIN_CACHED_LENGTH;
    const FontCacheEntry* entry = bCacheable ? pCache->find(text) : nullptr;
    const int pixels = entry ? entry->width / entry->scale : pixelWidth(text);
    const Vector2 topLeft = placeText(static_cast<float>(pixels), static_cast<float>(lineHeight), flags);
    if (bCacheable && !entry) {
        const int raster = getRasterScale();
        entry = pCache->add(text, pixels * raster, lineHeight * raster, raster, [&](float x, float y) {
            Transform page;
            page.translation = {x, y, 0.f};
            drawGlyphs(*graphics, page, text, CACHE_DRAW_COLOUR, 0.f, 0.f, static_cast<float>(raster));
        });
    }
    if (entry)
        drawEntry(*graphics, world, *entry, colour, topLeft.x, topLeft.y);
    else
        drawGlyphs(*graphics, world, text, colour, topLeft.x, topLeft.y, 1.f);
}

void FontQuad::drawEntry(VekGraphics& graphics, const Transform& world, const FontCacheEntry& entry,
                         uint32_t colour, float left, float top) const {
    const auto scale = static_cast<float>(entry.scale);
    const float width = static_cast<float>(entry.width) / scale;
    const float height = static_cast<float>(entry.height) / scale;
    const auto page = static_cast<float>(FontCache::PAGE_SIZE);
    const Rect uv{static_cast<float>(entry.x) / page, static_cast<float>(entry.y) / page,
                  static_cast<float>(entry.x + entry.width) / page,
                  static_cast<float>(entry.y + entry.height) / page};
    // A text drawn at one texel per font pixel stays crisp unfiltered; a larger raster is
    // filtered down so that its strokes keep an even width on the display.
    graphics.drawQuad(pCache->getPage(entry.page), entry.scale == 1,
                      rectangle(world, Rect{left, top, left + width, top - height}, uv, colour),
                      platform::BlendMode::Alpha);
}

void FontQuad::drawGlyphs(VekGraphics& graphics, const Transform& world, WideStringView text, uint32_t colour,
                          float left, float top, float scale) const {
    float pen = left;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const Glyph* glyph = glyphOf(shownCode(text, at));
        if (glyph) drawGlyph(graphics, world, *glyph, colour, pen, top, scale);
        pen += static_cast<float>(advanceOf(glyph)) * scale;
    }
}

void FontQuad::drawGlyph(VekGraphics& graphics, const Transform& world, const Glyph& glyph, uint32_t colour,
                         float left, float top, float scale) const {
    if (glyph.base >= 0) {
        const Glyph& base = glyphs[glyph.base];
        const Glyph& accent = glyphs[glyph.accent];
        drawGlyph(graphics, world, base, colour, left, top, scale);
        const float shift = std::floor(static_cast<float>(base.width - accent.width) * 0.5f) * scale;
        const int lift = glyph.bUpperCase && !glyph.bBelow ? lineHeight / ACCENT_LIFT_DIVISOR : 0;
        drawGlyph(graphics, world, accent, colour, left + shift, top + static_cast<float>(lift) * scale,
                  scale);
        return;
    }
    const Rect& source = glyph.pSkin->getSource();
    const Vector3& origin = glyph.pSkin->origin;
    const auto textureWidth = static_cast<float>(glyph.pTexture->getWidth());
    const auto textureHeight = static_cast<float>(glyph.pTexture->getHeight());
    const float x0 = left - origin.x * scale;
    const float y0 = top - origin.y * scale;
    const Rect local{x0, y0, x0 + static_cast<float>(glyph.width) * scale,
                     y0 - static_cast<float>(glyph.height) * scale};
    const Rect uv{source.left / textureWidth, source.top / textureHeight, source.right / textureWidth,
                  source.bottom / textureHeight};
    graphics.drawQuad(glyph.pTexture, rectangle(world, local, uv, colour), platform::BlendMode::Alpha);
}

void FontQuad::drawSystemText(VekGraphics& graphics, const Transform& world, WideStringView text,
                              uint32_t colour, int flags) {
    const Texture* texture = systemFont().textureOf(text);
    if (!texture) return;
    const auto width = static_cast<float>(texture->getWidth());
    const auto height = static_cast<float>(texture->getHeight());
    const Vector2 topLeft = placeText(width, height, flags);
    graphics.drawQuad(texture,
                      rectangle(world, Rect{topLeft.x, topLeft.y, topLeft.x + width, topLeft.y - height},
                                Rect{0.f, 0.f, 1.f, 1.f}, colour),
                      platform::BlendMode::Alpha);
}

bool FontQuad::canDraw(char32_t codePoint, int flags) const {
    if (usesSystemFont(flags)) return systemFont().hasGlyph(codePoint);
    return codePoint <= 0xFFFF && hasGlyph(static_cast<char16_t>(codePoint));
}

// Without any typeface the system font would draw nothing at all; the pages at least show
// the characters of the language.
bool FontQuad::usesSystemFont(int flags) const {
    return (flags & TEXT_SYSTEMFONT) && systemFont().isReady();
}

FontGDI& FontQuad::systemFont() const {
    if (!pSystemFont) {
        const int size = lineHeight > 0 ? std::max(1, lineHeight * SYSTEM_FONT_EM_PERCENT / 100)
                                        : DEFAULT_SYSTEM_FONT_SIZE;
        pSystemFont = std::make_unique<FontGDI>(size);
    }
    return *pSystemFont;
}
