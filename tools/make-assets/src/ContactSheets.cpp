#include "ContactSheets.h"
#include <cairo.h>
#include <algorithm>
#include "AssetArchives.h"
#include "FontPages.h"

namespace {

cairo_surface_t* surfaceOf(const MemoryImageFile& image) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<std::size_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) {
            const uint32_t p = image.at(x, y), a = p >> 24;
            auto channel = [&](int shift) { return ((p >> shift) & 0xFF) * a / 255 << shift; };
            row[x] = a << 24 | channel(16) | channel(8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

// The picture over a dark checkerboard, every frame outlined.
bool writeSheet(const std::string& path, const MemoryImageFile& image, const std::vector<FrameRect>& frames,
                std::string& error) {
    cairo_surface_t* sheet = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    cairo_t* cr = cairo_create(sheet);
    for (int y = 0; y < image.height; y += 8)
        for (int x = 0; x < image.width; x += 8) {
            const double shade = ((x + y) / 8) % 2 ? 0.16 : 0.2;
            cairo_set_source_rgb(cr, shade, shade * 0.9, shade * 1.4);
            cairo_rectangle(cr, x, y, 8, 8);
            cairo_fill(cr);
        }
    cairo_surface_t* art = surfaceOf(image);
    cairo_set_source_surface(cr, art, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(art);
    cairo_set_source_rgba(cr, 1, 1, 0, 0.35);
    cairo_set_line_width(cr, 1);
    for (const FrameRect& frame : frames) {
        cairo_rectangle(cr, frame.x + 0.5, frame.y + 0.5, frame.width - 1, frame.height - 1);
        cairo_stroke(cr);
    }
    cairo_destroy(cr);
    const cairo_status_t status = cairo_surface_write_to_png(sheet, path.c_str());
    cairo_surface_destroy(sheet);
    if (status != CAIRO_STATUS_SUCCESS) {
        error = path + ": " + cairo_status_to_string(status);
        return false;
    }
    return true;
}

}  // namespace

bool writeContactSheets(const std::string& folder, std::string& error) {
    for (const TextureRecipe& recipe : textureRecipes()) {
        const TexturePicture picture = paintTexture(recipe);
        if (!writeSheet(folder + "/" + recipe.name + ".png", picture.image, picture.frames, error)) return false;
    }
    for (const std::string& codePage : fontCodePages())
        for (const ArchiveEntry& entry : fontArchiveEntries(codePage)) {
            if (entry.name.size() < 4 || entry.name.compare(entry.name.size() - 4, 4, ".tga") != 0) continue;
            const auto image = MemoryImageFile::decode(entry.bytes, error);
            if (!image) return false;
            std::string flat = entry.name;
            std::replace(flat.begin(), flat.end(), '/', '_');
            if (!writeSheet(folder + "/" + flat + ".png", *image, {}, error)) return false;
        }
    return true;
}
