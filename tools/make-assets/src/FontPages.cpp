// The bitmap fonts' glyph pages: TrueType glyphs rasterised white on transparent, the icon units
// below U+0020 drawn with Cairo, one frame per glyph slot, each as wide as the glyph's advance
// and a whole line high.
#include "FontPages.h"
#include <algorithm>
#include <cmath>
#include <set>
#include "Paint.h"
#include "core/Language.h"
#include "media/CodePointTable.h"
#include "platform/FontRasterizer.h"

namespace {

constexpr uint16_t NO_CODE = CodePointTable::NO_CODE;
constexpr int PAGE_SIZE = 1024;
constexpr int JAPANESE_ROW = 5, KOREAN_ROW = 6;

const std::vector<FontRecipe> FONTS = {
    {"font-tiny", "", 9, false, true},
    {"font-small", "", 13, false, false},
    {"font-medium", "", 18, true, false},
    {"font-large", "brume-edition/", 30, true, false},
};

platform::Typeface typefaceOf(const std::string& codePage) {
    if (codePage == "Japanese") return platform::Typeface::Japanese;
    if (codePage == "Korean") return platform::Typeface::Korean;
    return platform::Typeface::Latin;
}

// A glyph cell: its frame size and what fills it.
struct Cell {
    int width = 1, height = 1;
    uint16_t code = NO_CODE;
    platform::TextBitmap bitmap;
};

// The icons: 1 tick, 2 cross, 3-6 arrows left/right/up/down, 7 and 8 left and right pointers,
// 9 back, 10 next, 13 help; drawn in a square of the line height.
void drawIcon(cairo_t* cr, uint16_t unit, double size) {
    const double s = size, m = s / 2;
    cairo_set_source_rgba(cr, 1, 1, 1, 1);
    cairo_set_line_width(cr, std::max(1.2, s / 9));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    auto arrow = [&](double angle) {
        cairo_save(cr);
        cairo_translate(cr, m, m);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, -s * 0.32, 0);
        cairo_line_to(cr, s * 0.3, 0);
        cairo_stroke(cr);
        cairo_move_to(cr, s * 0.36, 0);
        cairo_line_to(cr, s * 0.05, -s * 0.25);
        cairo_line_to(cr, s * 0.05, s * 0.25);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_restore(cr);
    };
    switch (unit) {
    case 1:
        cairo_move_to(cr, s * 0.18, s * 0.52);
        cairo_line_to(cr, s * 0.42, s * 0.76);
        cairo_line_to(cr, s * 0.84, s * 0.24);
        cairo_stroke(cr);
        break;
    case 2:
        cairo_move_to(cr, s * 0.22, s * 0.26);
        cairo_line_to(cr, s * 0.78, s * 0.82);
        cairo_move_to(cr, s * 0.78, s * 0.26);
        cairo_line_to(cr, s * 0.22, s * 0.82);
        cairo_stroke(cr);
        break;
    case 3: arrow(PI); break;
    case 4: arrow(0); break;
    case 5: arrow(-PI / 2); break;
    case 6: arrow(PI / 2); break;
    case 7:
    case 8: {
        const double dir = unit == 7 ? -1 : 1;
        cairo_move_to(cr, m + dir * s * 0.3, m);
        cairo_line_to(cr, m - dir * s * 0.22, m - s * 0.3);
        cairo_line_to(cr, m - dir * s * 0.22, m + s * 0.3);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    }
    case 9:
        cairo_arc(cr, m + s * 0.05, m + s * 0.05, s * 0.26, -PI / 2, PI / 2);
        cairo_line_to(cr, m - s * 0.2, m + s * 0.31);
        cairo_stroke(cr);
        cairo_move_to(cr, m - s * 0.34, m - s * 0.21);
        cairo_line_to(cr, m - s * 0.08, m - s * 0.42);
        cairo_line_to(cr, m - s * 0.08, m);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case 10:
        for (int k = 0; k < 2; ++k) {
            const double x = s * (0.22 + 0.3 * k);
            cairo_move_to(cr, x, s * 0.24);
            cairo_line_to(cr, x + s * 0.24, m);
            cairo_line_to(cr, x, s * 0.76);
        }
        cairo_stroke(cr);
        break;
    default: {
        circlePath(cr, m, m, s * 0.4);
        cairo_stroke(cr);
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, s * 0.6);
        cairo_text_extents_t extents;
        cairo_text_extents(cr, "?", &extents);
        cairo_move_to(cr, m - extents.width / 2 - extents.x_bearing, m - extents.height / 2 - extents.y_bearing);
        cairo_show_text(cr, "?");
        break;
    }
    }
}

std::vector<Cell> makeCells(const std::vector<uint16_t>& codes, const FontRecipe& font, platform::Typeface typeface) {
    platform::FontRasterizer rasterizer;
    const platform::TextBitmap line = rasterizer.rasterizeText(U"H", font.pixelSize, font.bBold, typeface);
    std::vector<Cell> cells;
    for (uint16_t code : codes) {
        Cell cell;
        cell.code = code;
        cell.height = std::max(1, line.height);
        if (isIconUnit(code)) {
            cell.width = cell.height;
        } else if (code != NO_CODE && code >= 0x20) {
            cell.bitmap = rasterizer.rasterizeText(std::u32string(1, code), font.pixelSize, font.bBold, typeface);
            cell.width = std::max(1, cell.bitmap.width);
            cell.height = std::max(1, cell.bitmap.height);
        }
        cells.push_back(std::move(cell));
    }
    return cells;
}

void paintCell(cairo_t* cr, const Cell& cell) {
    if (isIconUnit(cell.code)) {
        drawIcon(cr, cell.code, cell.height);
        return;
    }
    if (cell.bitmap.width <= 0) return;
    const int stride = cairo_format_stride_for_width(CAIRO_FORMAT_A8, cell.bitmap.width);
    std::vector<unsigned char> mask(static_cast<std::size_t>(stride) * cell.bitmap.height);
    for (int y = 0; y < cell.bitmap.height; ++y)
        std::copy_n(&cell.bitmap.coverage[static_cast<std::size_t>(y) * cell.bitmap.width], cell.bitmap.width,
                    &mask[static_cast<std::size_t>(y) * stride]);
    cairo_surface_t* surface =
        cairo_image_surface_create_for_data(mask.data(), CAIRO_FORMAT_A8, cell.bitmap.width, cell.bitmap.height, stride);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_mask_surface(cr, surface, 0, 0);
    cairo_surface_destroy(surface);
}

// Cells in slot order, split into pages no larger than PAGE_SIZE square.
std::vector<std::vector<Cell>> splitIntoPages(std::vector<Cell> cells) {
    std::vector<std::vector<Cell>> pages(1);
    int x = 0, y = 0, rowHeight = 0;
    for (Cell& cell : cells) {
        if (x + cell.width > PAGE_SIZE) {
            x = 0;
            y += rowHeight;
            rowHeight = 0;
        }
        if (y + cell.height > PAGE_SIZE) {
            pages.emplace_back();
            x = y = rowHeight = 0;
        }
        x += cell.width;
        rowHeight = std::max(rowHeight, cell.height);
        pages.back().push_back(std::move(cell));
    }
    return pages;
}

void addPages(std::vector<ArchiveEntry>& entries, const FontRecipe& font, const std::string& codePage,
              const std::vector<uint16_t>& codes) {
    const auto pages = splitIntoPages(makeCells(codes, font, typefaceOf(codePage)));
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::vector<FrameRect> sizes;
        for (const Cell& cell : pages[i]) sizes.push_back(FrameRect{0, 0, cell.width, cell.height});
        const TexturePicture picture = paintSheet(
            sizes, [&](cairo_t* cr, int index, double, double) { paintCell(cr, pages[i][static_cast<std::size_t>(index)]); },
            PAGE_SIZE);
        const std::string path = std::string(font.prefix) + "gfx/font/" + codePage + "/" + font.name + "-" +
                                 std::to_string(i + 1) + ".tga";
        const std::string list = frameListText(picture.frames);
        entries.push_back(ArchiveEntry{path, picture.image.encodeTga()});
        entries.push_back(ArchiveEntry{frameListPath(path), std::vector<uint8_t>(list.begin(), list.end())});
    }
}

// Every code unit from U+0080 up that a language row's texts hold, in code order.
std::set<uint16_t> unitsOfRow(int row) {
    const auto language = std::make_unique<Language>();
    std::set<uint16_t> units;
    for (StringId id = 0; id < STRING_ID_COUNT; ++id)
        for (const char16_t* text = language->getRowString(row, id); text && *text; ++text)
            if (*text >= 0x80) units.insert(static_cast<uint16_t>(*text));
    return units;
}

}  // namespace

bool isIconUnit(uint16_t unit) { return (unit >= 1 && unit <= 10) || unit == 13; }

std::vector<std::string> fontCodePages() { return {"1252", "1250", "Japanese", "Korean"}; }

const std::vector<FontRecipe>& fontRecipes() { return FONTS; }

std::string fontArchiveName(const std::string& codePage) { return std::string(MAIN_ARCHIVE) + "." + codePage; }

std::vector<uint16_t> fontSlots(const std::string& codePage) {
    std::vector<uint16_t> slots;
    if (const auto table = CodePointTable::forWindowsCodePage(std::u16string(codePage.begin(), codePage.end()))) {
        for (int slot = 0; slot < 256; ++slot) slots.push_back(table->codeOf(slot));
    } else {
        for (uint16_t unit = 0; unit < 0x80; ++unit) slots.push_back(isIconUnit(unit) || unit >= 0x20 ? unit : NO_CODE);
        for (uint16_t unit : unitsOfRow(codePage == "Japanese" ? JAPANESE_ROW : KOREAN_ROW)) slots.push_back(unit);
    }
    for (uint16_t& slot : slots)
        if (slot < 0x20 && !isIconUnit(slot)) slot = NO_CODE;
    return slots;
}

std::vector<ArchiveEntry> fontArchiveEntries(const std::string& codePage) {
    std::vector<ArchiveEntry> entries;
    const std::vector<uint16_t> slots = fontSlots(codePage);
    const bool bBuiltIn = CodePointTable::forWindowsCodePage(std::u16string(codePage.begin(), codePage.end())).has_value();
    for (const FontRecipe& font : FONTS) {
        if (font.bAsciiOnly) {
            // Consecutive codes from 33 with no table; other code pages fall back to these.
            if (codePage != "1252") continue;
            std::vector<uint16_t> ascii;
            for (uint16_t unit = 33; unit < 0x7F; ++unit) ascii.push_back(unit);
            addPages(entries, font, codePage, ascii);
            continue;
        }
        addPages(entries, font, codePage, slots);
    }
    if (!bBuiltIn) {
        // The table is read beside whichever font of the code page loads first.
        const std::vector<uint8_t> table = CodePointTable(slots).encode();
        for (const std::string prefix : {"", "brume-edition/"})
            entries.push_back(ArchiveEntry{prefix + "gfx/font/" + codePage + "/" + codePage + ".codepointLUT.bin", table});
    }
    return entries;
}
