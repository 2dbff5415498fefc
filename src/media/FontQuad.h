#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "core/Rect.h"
#include "core/Resource.h"
#include "core/VekBase.h"
#include "core/WideString.h"
#include "media/Transform.h"
#include "media/Vector.h"

class CodePointTable;
class FontCache;
struct FontCacheEntry;
class FontGDI;
class Renderable;
class ResourceManager;
class Texture;
class TextureSkin;
class VekGraphics;

/// Width and height of a text, in the units it is drawn in.
struct TextExtent {
    float width = 0.f;
    float height = 0.f;
};

/// A bitmap font: every glyph is a frame of a texture page, found by its UTF-16 code unit.
/// Texts are drawn on one line, left to right, glyph after glyph, each advancing by its
/// frame's width plus the glyph spacing; a code without glyph advances by the missing-glyph
/// advance and draws nothing. Codes below U+0020 are glyphs like any other (the icons of the
/// texts and the symbols below), save a tab that touches another character: that is white
/// space, drawn as a blank (only a tab that blanks or the text's ends set apart is the Back
/// icon). Main thread only.
class FontQuad : public VekBase, public Resource {
    VEK_REGISTERED_CLASS()

    /// Text flags: horizontal alignment on the point (none: left), vertical placement (none:
    /// the text's top on the point), and the two drawing paths.
    enum TextFlags : int {
        TEXT_LEFT = 0x2,
        TEXT_CENTRE = 0x4,
        TEXT_RIGHT = 0x8,
        TEXT_MIDDLE = 0x10,      ///< vertically centred on the point
        TEXT_BOTTOM = 0x20,      ///< the text's bottom on the point
        TEXT_TOP = 0x40,         ///< the text's top on the point
        TEXT_NOCACHE = 0x100,    ///< drawn glyph by glyph even where the cache would serve
        TEXT_SYSTEMFONT = 0x200, ///< drawn with the TrueType system font where a typeface exists
    };
    /// Symbol glyphs of the font pages.
    static constexpr char16_t GLYPH_TICK = 1;
    static constexpr char16_t GLYPH_BACKSPACE = 3;
    static constexpr char16_t GLYPH_LEFT_ARROW = 7;
    static constexpr char16_t GLYPH_RIGHT_ARROW = 8;
    /// `addSourceTexture`'s first code that continues after the glyphs added last.
    static constexpr int CONTINUE_CODE = 0xFFFF;
    /// Shorter texts are cheaper to draw than to look up in the cache.
    static constexpr std::size_t MIN_CACHED_LENGTH = 4;
    /// The logical screen's height: display scaling rasterises by whole display heights of it.
    static constexpr int SCALING_HEIGHT = 480;

    FontQuad();
    ~FontQuad() override;

    /// The texture's frames become the glyphs of consecutive slots from `firstCode`
    /// (CONTINUE_CODE: after the slot added last). Without the code-page table a slot is the
    /// code itself; with it, the table of the current language's code page names the code of
    /// each slot and slots it leaves empty get no glyph.
    void addSourceTexture(const Texture* texture, int firstCode, bool bUseCodePageTable);
    /// Adds the textures `base`1, `base`2, ... and then `base`Extra1, `base`Extra2, ... from the
    /// engine's resources through the current language's code-page table, each run stopping
    /// at the first missing name.
    void addSourceTextures(WideStringView base);
    /// The same with the given resources and code page ("1252", "Japanese", ...). A code page
    /// without table is the fatal "No LUT for codepage '%s'.".
    void addSourceTextures(WideStringView base, const ResourceManager& resources, WideStringView codePage);
    /// Accented letters the pages lack are drawn as their base letter with the accent glyph
    /// over (or under) it: for the code pages "1252" and "1250" when the current language's
    /// composite flag says "Yes"; nothing otherwise.
    void setupCompositeChars();
    void setupCompositeChars(WideStringView codePage, bool bCompositeLanguage);
    /// Sharper text on large displays: the cache draws this font's texts at the display's
    /// whole multiple of the logical screen's height and shows them filtered down. The text's
    /// size in layout units stays one unit per font pixel at every display size.
    void enableDisplayScaling() { bDisplayScaling = true; }
    /// Makes the font's cache when use-font-cache is set and the engine's font cache is on.
    void createFontCache();

    /// Width and height of `text` in layout units (one per font pixel) before any placement scale.
    TextExtent measureText(WideStringView text, int flags) const;
    /// Where `text` drawn with `flags` lies around its point (y up), in the units of `measureText`.
    Rect measureTextRect(WideStringView text, int flags) const;
    /// Draws `text` at a point of the current view in the ARGB colour.
    void drawText(WideStringView text, float x, float y, float z, uint32_t colour, int flags);
    /// Draws `text` with the placement (as last updated) and colour of `placement`.
    void renderText(const Renderable& placement, WideStringView text, int flags);
    /// The same over a shadow: the text once more, `shadowOffset` (local units) away in
    /// `shadowColour`, drawn first and only when the graphics' detail flag is set.
    void renderTextShadowed(const Renderable& placement, WideStringView text, int flags,
                            const Vector3& shadowOffset, uint32_t shadowColour);

    /// True when the font has a glyph (own or composite) for the code.
    bool hasGlyph(char16_t code) const { return glyphIndex[code] >= 0; }
    /// True when text drawn with `flags` shows the code point: through the system font when
    /// the flags ask for it, else through this font's glyphs.
    bool canDraw(char32_t codePoint, int flags) const;
    /// Height of a line: the tallest glyph, in font pixels (layout units).
    int getLineHeight() const { return lineHeight; }
    /// Cache texels per font pixel: 1, or with display scaling the display's whole multiple.
    int getRasterScale() const;
    FontCache* getFontCache() const { return pCache; }

    // Set-up values, set by the loader before the glyphs are added.
    int missingGlyphAdvance = 4; ///< font pixels for a code without glyph
    int glyphSpacing = 1;        ///< font pixels added to every glyph's width
    bool bUseFontCache = true;
    bool bCacheFlag = false; ///< handed to the cache: pages cleared to transparent white

  private:
    struct Glyph {
        const Texture* pTexture = nullptr;
        const TextureSkin* pSkin = nullptr;
        int width = 0;
        int height = 0;
        // A composite: the glyphs it is made of, and whether the accent goes under the letter.
        int base = -1;
        int accent = -1;
        bool bBelow = false;
        bool bUpperCase = false;
    };

    void addFrames(const Texture* texture, int firstSlot, const CodePointTable* table);
    void addGlyph(char16_t code, Glyph glyph);
    const Glyph* glyphOf(char16_t code) const;
    int advanceOf(const Glyph* glyph) const;
    /// Width of the text in font pixels (unscaled).
    int pixelWidth(WideStringView text) const;
    void drawPlaced(const Transform& world, WideStringView text, uint32_t colour, int flags);
    void drawSystemText(VekGraphics& graphics, const Transform& world, WideStringView text, uint32_t colour,
                        int flags);
    void drawEntry(VekGraphics& graphics, const Transform& world, const FontCacheEntry& entry,
                   uint32_t colour, float left, float top) const;
    void drawGlyphs(VekGraphics& graphics, const Transform& world, WideStringView text, uint32_t colour,
                    float left, float top, float scale) const;
    void drawGlyph(VekGraphics& graphics, const Transform& world, const Glyph& glyph, uint32_t colour,
                   float left, float top, float scale) const;
    FontGDI& systemFont() const;
    /// The flags ask for the system font and it has a typeface; else the glyphs serve.
    bool usesSystemFont(int flags) const;

    std::vector<Glyph> glyphs;
    std::vector<int32_t> glyphIndex; // per UTF-16 unit, -1 for none
    int nextSlot = 0;
    int lineHeight = 0;
    bool bDisplayScaling = false;
    FontCache* pCache = nullptr; // a child
    mutable std::unique_ptr<FontGDI> pSystemFont; // made on first use
};
