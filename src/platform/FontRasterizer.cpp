#include "platform/FontRasterizer.h"
#include <ft2build.h>
#include FT_FREETYPE_H
#include <algorithm>
#include <cstring>

namespace platform {
namespace {

struct FaceFile {
    const char* regular;
    const char* bold;
    int index;
};

// Indexed by Typeface.
constexpr FaceFile FACEFILES[] = {
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0},
    {"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 0},
    {"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", "/usr/share/fonts/opentype/noto/NotoSansCJK-Bold.ttc", 1},
};
constexpr int FACECOUNT = 3;

GlyphBitmap copyGlyph(FT_GlyphSlot slot) {
    GlyphBitmap glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.left = slot->bitmap_left;
    glyph.top = slot->bitmap_top;
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.resize(static_cast<std::size_t>(glyph.width) * glyph.height);
    for (int y = 0; y < glyph.height; ++y) {
        // A negative pitch means the rows are stored bottom-up.
        const unsigned char* row = bitmap.pitch >= 0 ? bitmap.buffer + static_cast<std::ptrdiff_t>(y) * bitmap.pitch
                                                     : bitmap.buffer + static_cast<std::ptrdiff_t>(glyph.height - 1 - y) * -bitmap.pitch;
        std::memcpy(glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width, row, static_cast<std::size_t>(glyph.width));
    }
    return glyph;
}

}  // namespace

struct FontRasterizer::Library {
    FT_Library library = nullptr;
    // [typeface][bold]; opened on first use, null when the file is missing.
    std::array<std::array<FT_Face, 2>, FACECOUNT> faces{};
    std::array<std::array<bool, 2>, FACECOUNT> tried{};

    ~Library() {
        for (auto& pair : faces)
            for (FT_Face face : pair)
                if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }

    FT_Face face(int typeface, bool bBold) {
        if (!library) return nullptr;
        if (!tried[typeface][bBold]) {
            tried[typeface][bBold] = true;
            const FaceFile& file = FACEFILES[typeface];
            FT_Face opened = nullptr;
            if (FT_New_Face(library, bBold ? file.bold : file.regular, file.index, &opened) == 0)
                faces[typeface][bBold] = opened;
            else if (bBold)
                faces[typeface][bBold] = face(typeface, false);  // no bold cut: the regular one serves
        }
        return faces[typeface][bBold];
    }

    // The first face, in fallback order, that has the code point.
    FT_Face faceFor(char32_t codePoint, bool bBold, Typeface preferred) {
        const int order[] = {static_cast<int>(preferred), 0, 1, 2};
        for (int typeface : order) {
            FT_Face candidate = face(typeface, bBold);
            if (candidate && FT_Get_Char_Index(candidate, codePoint) != 0) return candidate;
        }
        return nullptr;
    }
};

FontRasterizer::FontRasterizer() : pLibrary(std::make_unique<Library>()) {
    if (FT_Init_FreeType(&pLibrary->library) != 0) pLibrary->library = nullptr;
}

FontRasterizer::~FontRasterizer() = default;

bool FontRasterizer::isReady() const {
    for (int typeface = 0; typeface < FACECOUNT; ++typeface)
        if (pLibrary->face(typeface, false)) return true;
    return false;
}

bool FontRasterizer::hasGlyph(char32_t codePoint) const {
    return pLibrary->faceFor(codePoint, false, Typeface::Latin) != nullptr;
}

std::optional<GlyphBitmap> FontRasterizer::rasterizeGlyph(char32_t codePoint, int pixelSize, bool bBold,
                                                          Typeface preferred) {
    FT_Face face = pLibrary->faceFor(codePoint, bBold, preferred);
    if (!face || pixelSize <= 0 || FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) != 0) return std::nullopt;
    if (FT_Load_Char(face, codePoint, FT_LOAD_RENDER | FT_LOAD_TARGET_NORMAL) != 0) return std::nullopt;
    if (face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return std::nullopt;
    return copyGlyph(face->glyph);
}

TextBitmap FontRasterizer::rasterizeText(std::u32string_view text, int pixelSize, bool bBold, Typeface preferred) {
    TextBitmap out;
    FT_Face lineFace = pLibrary->face(static_cast<int>(preferred), bBold);
    if (!lineFace) lineFace = pLibrary->faceFor(U'A', bBold, preferred);
    if (!lineFace || pixelSize <= 0 || FT_Set_Pixel_Sizes(lineFace, 0, static_cast<FT_UInt>(pixelSize)) != 0) return out;
    out.ascent = static_cast<int>((lineFace->size->metrics.ascender + 63) >> 6);
    const int descent = static_cast<int>((-lineFace->size->metrics.descender + 63) >> 6);
    out.height = out.ascent + descent;

    std::vector<std::pair<int, GlyphBitmap>> placed;
    int pen = 0;
    for (char32_t codePoint : text) {
        std::optional<GlyphBitmap> glyph = rasterizeGlyph(codePoint, pixelSize, bBold, preferred);
        if (!glyph) continue;
        placed.emplace_back(pen, *glyph);
        pen += glyph->advance;
    }
    out.width = pen;
    for (const auto& [x, glyph] : placed) out.width = std::max(out.width, x + glyph.left + glyph.width);
    out.coverage.assign(static_cast<std::size_t>(out.width) * out.height, 0);
    for (const auto& [x, glyph] : placed) {
        for (int gy = 0; gy < glyph.height; ++gy) {
            const int y = out.ascent - glyph.top + gy;
            if (y < 0 || y >= out.height) continue;
            for (int gx = 0; gx < glyph.width; ++gx) {
                const int px = x + glyph.left + gx;
                if (px < 0 || px >= out.width) continue;
                uint8_t& cell = out.coverage[static_cast<std::size_t>(y) * out.width + px];
                cell = std::max(cell, glyph.coverage[static_cast<std::size_t>(gy) * glyph.width + gx]);
            }
        }
    }
    return out;
}

}  // namespace platform
