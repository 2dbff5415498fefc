#include "ContactSheets.h"
#include <cairo.h>
#include <cmath>
#include <algorithm>
#include <map>
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

// A play-field mock-up: the textures drawn at their size in the game (half their pixels) over
// the sky, to judge whether they read together.
class SceneMockup {
public:
    SceneMockup() : surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 640, 480)), cr(cairo_create(surface)) {}
    ~SceneMockup() {
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        for (auto& [name, art] : pictures) cairo_surface_destroy(art.second);
    }
    SceneMockup(const SceneMockup&) = delete;
    SceneMockup& operator=(const SceneMockup&) = delete;

    // Frame `index` of the texture `name`, centred on (x, y) of the 640 x 480 field.
    void draw(const std::string& name, int index, double x, double y, double scale = 0.5) {
        const auto& [picture, art] = pictureOf(name);
        const FrameRect& f = picture.frames[static_cast<std::size_t>(index)];
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, scale, scale);
        cairo_translate(cr, -f.width / 2.0, -f.height / 2.0);
        cairo_rectangle(cr, 0, 0, f.width, f.height);
        cairo_clip(cr);
        cairo_set_source_surface(cr, art, -f.x, -f.y);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_status_t write(const std::string& path) { return cairo_surface_write_to_png(surface, path.c_str()); }

private:
    const std::pair<TexturePicture, cairo_surface_t*>& pictureOf(const std::string& name) {
        auto found = pictures.find(name);
        if (found != pictures.end()) return found->second;
        for (const TextureRecipe& recipe : textureRecipes())
            if (name == recipe.name) {
                TexturePicture picture = paintTexture(recipe);
                cairo_surface_t* art = surfaceOf(picture.image);
                return pictures.emplace(name, std::make_pair(std::move(picture), art)).first->second;
            }
        return pictures.emplace(name, std::make_pair(TexturePicture{}, surfaceOf(MemoryImageFile(1, 1)))).first->second;
    }

    cairo_surface_t* surface;
    cairo_t* cr;
    std::map<std::string, std::pair<TexturePicture, cairo_surface_t*>> pictures;
};

bool writeSceneMockup(const std::string& path, std::string& error) {
    SceneMockup scene;
    scene.draw("bmp_sky", 0, 320, 240);
    scene.draw("bmp_zelbinBoss", 3, 320, 90);
    for (int i = 0; i < 5; ++i) {
        scene.draw("bmp_zelbin_" + std::to_string(i), i, 120 + 100 * i, 170);
        scene.draw("bmp_zelbin_" + std::to_string(4 - i), 7 - i, 170 + 100 * i, 210);
    }
    scene.draw("bmp_zelbin360", 8 * 20 + 3, 80, 300);
    scene.draw("bmp_flyingsaucer", 2, 560, 60);
    scene.draw("bmp_umbrella", 4, 560, 280);
    for (int i = 0; i < 3; ++i) scene.draw("bmp_crystal", 0, 200, 330 - 30 * i);
    scene.draw("bmp_crystalDouble", 2, 440, 320);
    scene.draw("bmp_zigzag", 0, 320, 300);
    scene.draw("bmp_pod", 0, 260, 260);
    scene.draw("bmp_zigzagPurple", 16, 380, 270);
    for (int angle = 0; angle < 32; angle += 3) scene.draw("bmp_sparc", 32 + angle, 470 + 20 * std::cos(angle * 0.196), 200 + 20 * std::sin(angle * 0.196));
    scene.draw("bmp_smoke", 6, 100, 380);
    scene.draw("bmp_coin", 3, 150, 330);
    scene.draw("bmp_giftbox_1", 2, 520, 360);
    scene.draw("bmp_atom", 1, 360, 360);
    scene.draw("bmp_asteroidBig", 5, 600, 420);
    scene.draw("bmp_asteroidBigIce", 3, 40, 410);
    scene.draw("bmp_asteroidSmallIce", 9, 95, 445);
    scene.draw("bmp_zelbinSarge", 2, 110, 90);
    scene.draw("bmp_pod96", 0, 600, 150);
    for (int i = 0; i < 3; ++i) scene.draw("bmp_fluff", 2 * i + 1, 285 + 30 * i, 125 + 6 * (i % 2));
    scene.draw("bmp_pod", 4, 300, 455);
    scene.draw("bmp_zelbinLeg", 5, 260, 440);
    scene.draw("bmp_zelbinLeg", 21, 345, 452);
    scene.draw("bmp_roastzelbin", 0, 390, 440);
    for (int player = 0; player < 2; ++player) {
        const double x = 200 + 240 * player;
        scene.draw("bmp_engine", 5, x - 10, 423);
        scene.draw("bmp_engine", 5, x + 10, 423);
        scene.draw(player == 0 ? "bmp_fighter_0" : "bmp_fighter_1", player == 0 ? 2 : 6, x, 408);
    }
    scene.draw("bmp_shield", 4, 200, 408);
    scene.draw("hud", 0, 90, 0, 1.0);
    scene.draw("hud", 0, 550, 0, 1.0);
    scene.draw("hud", 1, 90, 40, 1.0);
    const cairo_status_t status = scene.write(path);
    if (status == CAIRO_STATUS_SUCCESS) return true;
    error = path + ": " + cairo_status_to_string(status);
    return false;
}

}  // namespace

bool writeContactSheets(const std::string& folder, std::string& error) {
    for (const TextureRecipe& recipe : textureRecipes()) {
        const TexturePicture picture = paintTexture(recipe);
        if (!writeSheet(folder + "/" + recipe.name + ".png", picture.image, picture.frames, error)) return false;
    }
    if (!writeSceneMockup(folder + "/scene-mockup.png", error)) return false;
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
