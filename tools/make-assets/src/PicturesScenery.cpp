// The sky, the planets, the title and ending pictures and the cutscene props.
#include <algorithm>
#include <cmath>
#include "Pictures.h"
#include "core/GameRandom.h"

namespace {

uint32_t packed(double r, double g, double b) {
    auto channel = [](double v) { return static_cast<uint32_t>(std::clamp(v, 0.0, 1.0) * 255 + 0.5); };
    return 0xFF000000u | channel(r) << 16 | channel(g) << 8 | channel(b);
}

// A nebula of violet and salmon clouds; `period` cells of noise span the picture, so it tiles.
void paintNebula(MemoryImageFile& image, int period) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const double u = double(x) / image.width * period, v = double(y) / image.height * period;
            const double cloud = tiledFractal(u, v, period, 1234);
            const double warm = tiledFractal(u + 5.3, v + 1.7, period, 777);
            const double c = std::pow(std::clamp((cloud - 0.35) * 2.2, 0.0, 1.0), 1.6);
            const double r = 0.07 + c * (0.55 + 0.4 * warm);
            const double g = 0.03 + c * (0.22 + 0.25 * warm);
            const double b = 0.16 + c * (0.42 - 0.15 * warm);
            image.at(x, y) = packed(r, g, b);
        }
}

// Stars as soft dots; those near an edge are drawn again on the far side so the tile stays seamless.
void paintStars(cairo_t* cr, double w, double h, int count, uint32_t seed) {
    GameRandom random;
    random.setSeed(seed);
    for (int i = 0; i < count; ++i) {
        const double x = random.fraction() * w, y = random.fraction() * h;
        const double size = 0.6 + 2.2 * std::pow(random.fraction(), 4);
        const Colour tint = i % 7 == 0 ? rgb(0xFFD6B0) : i % 5 == 0 ? rgb(0xB0E4FF) : WHITE;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const double px = x + dx * w, py = y + dy * h;
                if (px < -8 || px > w + 8 || py < -8 || py > h + 8) continue;
                if (size > 1.8) glowSpot(cr, px, py, size * 4, tint.withAlpha(0.35));
                circlePath(cr, px, py, size);
                setColour(cr, tint);
                cairo_fill(cr);
            }
    }
}

// Paints with Cairo over an existing picture.
void paintOver(MemoryImageFile& image, const FramePainter& painter) {
    TexturePicture layer = paintPicture(image.width, image.height, painter);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const uint32_t over = layer.image.pixels[i], under = image.pixels[i];
        const uint32_t a = over >> 24;
        auto mix = [&](int shift) {
            return ((((over >> shift) & 0xFF) * a + ((under >> shift) & 0xFF) * (255 - a)) / 255) << shift;
        };
        image.pixels[i] = 0xFF000000u | mix(16) | mix(8) | mix(0);
    }
}

// A ring round a world: `bands` ellipses from `firstRadius` outwards, `step` apart, in units of
// the world's radius; `flatness` is the short axis over the long one, `tilt` turns the long
// axis from the horizontal (radians, clockwise).
struct Ring {
    int bands = 0;
    double firstRadius = 0, step = 0, width = 0, flatness = 0, tilt = 0;
};

struct PlanetLook;
using WorldPainter = void (*)(cairo_t* cr, const PlanetLook& look);
using SurfacePainter = void (*)(cairo_t* cr, double r, const PlanetLook& look);

// How one world of the track looks: its frame, the radius of its ball, its colours, how it is
// drawn round the frame's centre and, for a ball, what is painted on it (clipped to it).
struct PlanetLook {
    int width, height;
    double radius;
    uint32_t base, detail;
    Ring ring;
    WorldPainter draw;
    SurfacePainter surface;
};

// A closed blob round (x, y): an ellipse whose edge wanders by noise, so no two look alike.
void blobPath(cairo_t* cr, double x, double y, double rx, double ry, uint32_t seed) {
    constexpr int CORNERS = 16;
    cairo_new_sub_path(cr);
    for (int k = 0; k < CORNERS; ++k) {
        const double a = k * 2 * PI / CORNERS;
        const double d = 0.7 + 0.5 * tiledNoise(k * 0.9, seed * 0.37, 64, seed);
        cairo_line_to(cr, x + std::cos(a) * rx * d, y + std::sin(a) * ry * d);
    }
    cairo_close_path(cr);
}

// A band across the ball at height y, `thickness` high, its edges waving `waves` times.
void wavyBandPath(cairo_t* cr, double r, double y, double thickness, int waves, double phase) {
    constexpr int STEPS = 24;
    cairo_new_sub_path(cr);
    for (int i = 0; i <= STEPS; ++i) {
        const double x = -r + 2 * r * i / STEPS;
        cairo_line_to(cr, x, y - thickness / 2 + std::sin(i * waves * PI / STEPS + phase) * thickness * 0.2);
    }
    for (int i = STEPS; i >= 0; --i) {
        const double x = -r + 2 * r * i / STEPS;
        cairo_line_to(cr, x, y + thickness / 2 + std::sin(i * waves * PI / STEPS + phase + 1) * thickness * 0.2);
    }
    cairo_close_path(cr);
}

// Craters: a dark bowl with a lighter floor set towards the light.
void paintCraters(cairo_t* cr, double r, Colour ground, int count, uint32_t seed) {
    GameRandom random;
    random.setSeed(seed);
    for (int i = 0; i < count; ++i) {
        const double a = random.fraction() * 2 * PI, d = std::sqrt(random.fraction()) * r * 0.85;
        const double size = r * (0.08 + 0.14 * random.fraction());
        const double x = std::cos(a) * d, y = std::sin(a) * d;
        circlePath(cr, x, y, size);
        setColour(cr, ground.darker(0.3));
        cairo_fill(cr);
        circlePath(cr, x + size * 0.2, y + size * 0.2, size * 0.75);
        setColour(cr, ground.darker(0.1));
        cairo_fill(cr);
    }
}

// An icy dwarf: beige with a pale smooth plain and a few darker mottles.
void paintPlutoSurface(cairo_t* cr, double r, const PlanetLook& look) {
    blobPath(cr, r * 0.25, r * 0.15, r * 0.5, r * 0.42, 5);
    setColour(cr, rgb(look.detail).withAlpha(0.9));
    cairo_fill(cr);
    for (int spot = 0; spot < 3; ++spot) {
        blobPath(cr, -r * 0.55 + spot * r * 0.2, -r * 0.3 + spot * r * 0.35, r * 0.2, r * 0.14, 11 + spot);
        setColour(cr, rgb(look.base).darker(0.35).withAlpha(0.6));
        cairo_fill(cr);
    }
}

// A deep blue ice giant: faint bands, one dark storm and streaks of white cloud.
void paintNeptuneSurface(cairo_t* cr, double r, const PlanetLook& look) {
    for (int band = -2; band <= 2; ++band) {
        wavyBandPath(cr, r, band * r * 0.38, r * 0.14, 3, band);
        setColour(cr, rgb(look.detail).withAlpha(0.3));
        cairo_fill(cr);
    }
    ellipsePath(cr, -r * 0.2, r * 0.22, r * 0.24, r * 0.13);
    setColour(cr, rgb(look.base).darker(0.5));
    cairo_fill(cr);
    const double streaks[][3] = {{-0.05, 0.06, 0.3}, {0.35, -0.35, 0.22}, {-0.45, -0.1, 0.16}};
    for (const auto& streak : streaks) {
        ellipsePath(cr, streak[0] * r, streak[1] * r, streak[2] * r, r * 0.035);
        setColour(cr, WHITE.withAlpha(0.85));
        cairo_fill(cr);
    }
}

// A pale cyan ice giant, almost plain: a hint of bands and a brighter pole.
void paintUranusSurface(cairo_t* cr, double r, const PlanetLook& look) {
    for (int band = -1; band <= 1; ++band) {
        cairo_rectangle(cr, -r, band * r * 0.45 - r * 0.06, 2 * r, r * 0.12);
        setColour(cr, rgb(look.detail).withAlpha(0.25));
        cairo_fill(cr);
    }
    glowSpot(cr, r * 0.1, -r * 0.75, r * 0.5, WHITE.withAlpha(0.35));
}

// Pale tan and gold bands, turned with the rings.
void paintSaturnSurface(cairo_t* cr, double r, const PlanetLook& look) {
    cairo_rotate(cr, look.ring.tilt);
    for (int band = -4; band <= 4; ++band) {
        wavyBandPath(cr, r * 1.2, band * r * 0.22, r * (0.08 + 0.04 * (band & 1)), 2, band * 0.7);
        setColour(cr, (band & 1 ? rgb(look.detail) : rgb(look.base).darker(0.25)).withAlpha(0.5));
        cairo_fill(cr);
    }
}

// Cream and rust belts with wavy edges and the great red storm below the middle.
void paintJupiterSurface(cairo_t* cr, double r, const PlanetLook& look) {
    const double belts[][2] = {{-0.72, 0.12}, {-0.45, 0.16}, {-0.12, 0.2}, {0.2, 0.14}, {0.52, 0.18}, {0.8, 0.1}};
    for (std::size_t i = 0; i < std::size(belts); ++i) {
        wavyBandPath(cr, r, belts[i][0] * r, belts[i][1] * r, 4 + int(i % 3), double(i));
        setColour(cr, rgb(look.detail).withAlpha(i % 2 ? 0.55 : 0.8));
        cairo_fill(cr);
    }
    ellipsePath(cr, r * 0.3, r * 0.36, r * 0.27, r * 0.15);
    setColour(cr, rgb(0xF4D2B0));
    cairo_fill(cr);
    ellipsePath(cr, r * 0.3, r * 0.36, r * 0.21, r * 0.1);
    fillBall(cr, rgb(0xD2452B), r * 0.3, r * 0.36, r * 0.21);
    cairo_new_path(cr);
}

// Rust-red with dark lowlands and white ice caps at both poles.
void paintMarsSurface(cairo_t* cr, double r, const PlanetLook& look) {
    const double patches[][4] = {
        {-0.35, -0.1, 0.35, 0.16}, {0.3, 0.15, 0.3, 0.2}, {-0.1, 0.5, 0.4, 0.12}, {0.45, -0.4, 0.2, 0.12}};
    for (std::size_t i = 0; i < std::size(patches); ++i) {
        blobPath(cr, patches[i][0] * r, patches[i][1] * r, patches[i][2] * r, patches[i][3] * r, 20 + uint32_t(i));
        setColour(cr, rgb(look.detail).withAlpha(0.6));
        cairo_fill(cr);
    }
    ellipsePath(cr, 0, -r * 0.97, r * 0.5, r * 0.24);
    setColour(cr, WHITE);
    cairo_fill(cr);
    ellipsePath(cr, r * 0.1, r, r * 0.3, r * 0.12);
    setColour(cr, WHITE.withAlpha(0.9));
    cairo_fill(cr);
}

// Blue seas, green continents, white polar ice and swirls of cloud.
void paintEarthSurface(cairo_t* cr, double r, const PlanetLook& look) {
    const double lands[][4] = {
        {-0.45, -0.3, 0.38, 0.3}, {-0.3, 0.35, 0.22, 0.32}, {0.35, -0.15, 0.3, 0.42}, {0.55, 0.5, 0.2, 0.14}};
    for (std::size_t i = 0; i < std::size(lands); ++i) {
        blobPath(cr, lands[i][0] * r, lands[i][1] * r, lands[i][2] * r, lands[i][3] * r, 40 + uint32_t(i));
        setColour(cr, rgb(look.detail));
        cairo_fill_preserve(cr);
        setColour(cr, rgb(look.detail).darker(0.35));
        cairo_set_line_width(cr, r * 0.04);
        cairo_stroke(cr);
    }
    ellipsePath(cr, 0, -r, r * 0.6, r * 0.16);
    ellipsePath(cr, 0, r, r * 0.5, r * 0.12);
    setColour(cr, WHITE);
    cairo_fill(cr);
    // Each cloud a streak of three puffs: centre x, y, length, slant.
    const double clouds[][4] = {
        {-0.1, -0.6, 0.7, -0.2}, {0.15, 0.05, 0.8, 0.35}, {-0.65, 0.2, 0.5, 1.1}, {0.25, 0.7, 0.6, -0.3}, {0.7, -0.45, 0.4, 0.9}};
    for (const auto& c : clouds) {
        cairo_save(cr);
        cairo_translate(cr, c[0] * r, c[1] * r);
        cairo_rotate(cr, c[3]);
        for (int puff = 0; puff < 3; ++puff)
            ellipsePath(cr, (puff - 1) * c[2] * r * 0.32, (puff % 2) * r * 0.04, c[2] * r * 0.24, r * 0.065);
        cairo_restore(cr);
        setColour(cr, WHITE.withAlpha(0.88));
        cairo_fill(cr);
    }
}

// Thick yellow-cream cloud, swirled in soft bands.
void paintVenusSurface(cairo_t* cr, double r, const PlanetLook& look) {
    for (int band = -3; band <= 3; ++band) {
        wavyBandPath(cr, r, band * r * 0.3, r * 0.16, 2, band * 1.3);
        setColour(cr, (band & 1 ? rgb(look.detail).withAlpha(0.6) : rgb(look.base).darker(0.15).withAlpha(0.45)));
        cairo_fill(cr);
    }
}

// Bare grey rock pitted with craters.
void paintMercurySurface(cairo_t* cr, double r, const PlanetLook& look) {
    paintCraters(cr, r, rgb(look.base), 9, 71);
    blobPath(cr, -r * 0.3, r * 0.3, r * 0.3, r * 0.2, 73);
    setColour(cr, rgb(look.detail).withAlpha(0.35));
    cairo_fill(cr);
}

// The ring's bands, whole or only their near halves, which pass over the ball.
void strokeRing(cairo_t* cr, const PlanetLook& look, bool bNearHalfOnly) {
    const Ring& ring = look.ring;
    for (int band = 0; band < ring.bands; ++band) {
        const double radius = look.radius * (ring.firstRadius + band * ring.step);
        cairo_save(cr);
        cairo_rotate(cr, ring.tilt);
        cairo_scale(cr, radius, radius * ring.flatness);
        cairo_new_path(cr);
        if (bNearHalfOnly) cairo_arc(cr, 0, 0, 1, 0.02, PI - 0.02);
        else cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
        cairo_restore(cr);
        setColour(cr, rgb(look.detail).darker(0.12 * band));
        cairo_set_line_width(cr, look.radius * ring.width);
        cairo_stroke(cr);
    }
}

// A world as a lit ball with an ink outline: glow, far side of the ring, surface, night side,
// near side of the ring.
void drawBallWorld(cairo_t* cr, const PlanetLook& look) {
    const double r = look.radius;
    glowSpot(cr, 0, 0, r * 1.25, rgb(look.detail).withAlpha(0.35));
    strokeRing(cr, look, false);
    circlePath(cr, 0, 0, r);
    fillBall(cr, rgb(look.base), 0, 0, r);
    cairo_save(cr);
    cairo_clip(cr);
    look.surface(cr, r, look);
    cairo_restore(cr);
    cairo_pattern_t* shade = cairo_pattern_create_linear(-r, -r, r, r);
    cairo_pattern_add_color_stop_rgba(shade, 0.45, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0.05, 0.02, 0.12, 0.7);
    cairo_set_source(cr, shade);
    circlePath(cr, 0, 0, r);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    outline(cr, 2.5);
    gloss(cr, -r * 0.4, -r * 0.45, r * 0.3, r * 0.2, 0.4);
    strokeRing(cr, look, true);
}

// The asteroid belt seen edge-on: rocks of brown and grey strewn along a gentle arc that bows
// away from the sun, over a faint haze of dust.
void drawBelt(cairo_t* cr, const PlanetLook& look) {
    const double arcRadius = look.height * 0.9, halfSpan = look.height * 0.44;
    const double centreX = arcRadius - look.width * 0.12;
    auto arcPoint = [&](double y, double across) {
        const double x = centreX - std::sqrt(arcRadius * arcRadius - y * y);
        return Point{x + across, y};
    };
    cairo_new_path(cr);
    for (int i = 0; i <= 20; ++i) {
        const Point p = arcPoint(-halfSpan + 2 * halfSpan * i / 20, 0);
        cairo_line_to(cr, p.x, p.y);
    }
    setColour(cr, rgb(look.detail).withAlpha(0.12));
    cairo_set_line_width(cr, look.width * 0.4);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    GameRandom random;
    random.setSeed(4242);
    constexpr int ROCKS = 30;
    for (int rock = 0; rock < ROCKS; ++rock) {
        const double y = -halfSpan + 2 * halfSpan * (rock + random.fraction()) / ROCKS;
        const Point p = arcPoint(y, (random.fraction() - 0.5) * look.width * 0.42);
        const double size = 4 + 8 * std::pow(random.fraction(), 1.5);
        blobPath(cr, p.x, p.y, size, size * (0.65 + 0.3 * random.fraction()), 90 + uint32_t(rock));
        fillBall(cr, rock % 3 ? rgb(look.base) : rgb(0x9A948E), p.x, p.y, size);
        outline(cr, 1.2);
    }
}

// The sun: a blazing disc in a wide halo with a few darker spots.
void drawSun(cairo_t* cr, const PlanetLook& look) {
    const double r = look.radius;
    glowSpot(cr, 0, 0, look.width / 2.0, rgb(look.detail).withAlpha(0.75));
    glowSpot(cr, 0, 0, r * 1.12, WHITE.withAlpha(0.5));
    // Light from within: pale at the heart, deepening to orange only at the rim.
    cairo_pattern_t* fire = cairo_pattern_create_radial(-r * 0.15, -r * 0.15, 0, 0, 0, r);
    cairo_pattern_add_color_stop_rgb(fire, 0, 1, 0.98, 0.8);
    const Colour base = rgb(look.base), rim = rgb(look.detail);
    cairo_pattern_add_color_stop_rgb(fire, 0.6, base.r, base.g, base.b);
    cairo_pattern_add_color_stop_rgb(fire, 1, rim.r, rim.g, rim.b);
    cairo_set_source(cr, fire);
    circlePath(cr, 0, 0, r);
    cairo_fill(cr);
    cairo_pattern_destroy(fire);
    const double spots[][3] = {{0.35, 0.25, 0.08}, {-0.2, 0.45, 0.05}, {0.5, -0.3, 0.06}};
    for (const auto& spot : spots) {
        blobPath(cr, spot[0] * r, spot[1] * r, spot[2] * r, spot[2] * r * 0.8, 60);
        setColour(cr, rgb(look.detail).darker(0.2).withAlpha(0.6));
        cairo_fill(cr);
    }
    gloss(cr, -r * 0.3, -r * 0.3, r * 0.45, r * 0.35, 0.7);
}

constexpr Ring NO_RING{};
constexpr int JUPITER = 4, EARTH = 7;

// Outermost first, the sun last: frame i is the world of star system i, the one the star map
// flies to and the new system's caption names; 7 is home, where the intro's pan stops. Frame 0
// keeps the size the asset table gives; the others are cut to fit their worlds.
const PlanetLook PLANETS[] = {
    {150, 150, 30, 0xCDBBA2, 0xF6EEDF, NO_RING, drawBallWorld, paintPlutoSurface},
    {160, 160, 62, 0x2E55E8, 0x6C9BFF, NO_RING, drawBallWorld, paintNeptuneSurface},
    {160, 190, 60, 0x9EE6EC, 0xD8FAFA, Ring{1, 1.45, 0, 0.05, 0.28, 1.4}, drawBallWorld, paintUranusSurface},
    {300, 180, 70, 0xE2C088, 0xF6E2B4, Ring{3, 1.35, 0.24, 0.17, 0.3, -0.18}, drawBallWorld, paintSaturnSurface},
    {230, 230, 92, 0xF0DDBB, 0xC07A4E, NO_RING, drawBallWorld, paintJupiterSurface},
    {120, 240, 0, 0xA8825F, 0xC8B49C, NO_RING, drawBelt, nullptr},
    {120, 120, 46, 0xE0643A, 0x8A3520, NO_RING, drawBallWorld, paintMarsSurface},
    {130, 130, 50, 0x2F86FF, 0x3FBF4A, NO_RING, drawBallWorld, paintEarthSurface},
    {100, 100, 38, 0xF2D38A, 0xFFF2C8, NO_RING, drawBallWorld, paintVenusSurface},
    {80, 80, 28, 0x9C968F, 0xC8C4BE, NO_RING, drawBallWorld, paintMercurySurface},
    {220, 220, 84, 0xFFD23F, 0xFF9A1F, NO_RING, drawSun, nullptr},
};

// Draws the world centred in a w x h area (0 x 0 draws it round the current origin).
void drawPlanet(cairo_t* cr, const PlanetLook& look, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    look.draw(cr, look);
}

}  // namespace

TexturePicture makeSky(const TextureRecipe& recipe) {
    TexturePicture picture;
    picture.image = MemoryImageFile(recipe.frameWidth, recipe.frameHeight);
    paintNebula(picture.image, 4);
    paintOver(picture.image, [](cairo_t* cr, int, double w, double h) { paintStars(cr, w, h, 420, 99); });
    picture.frames.push_back(FrameRect{0, 0, recipe.frameWidth, recipe.frameHeight});
    return picture;
}

// Eleven worlds, each in a frame of its own size (the star map lines them up by height).
TexturePicture makePlanets(const TextureRecipe& recipe) {
    std::vector<FrameRect> sizes;
    for (int i = 0; i < recipe.frameCount; ++i) sizes.push_back(FrameRect{0, 0, PLANETS[i].width, PLANETS[i].height});
    return paintSheet(sizes, [](cairo_t* cr, int index, double w, double h) { drawPlanet(cr, PLANETS[index], w, h); });
}

// The title picture: the game's logo comes over its empty upper half.
TexturePicture makeIntroPicture(const TextureRecipe& recipe) {
    TexturePicture picture = makeSky(recipe);
    paintOver(picture.image, [](cairo_t* cr, int, double w, double h) {
        cairo_save(cr);
        cairo_translate(cr, w * 0.78, h * 0.72);
        drawPlanet(cr, PLANETS[JUPITER], 0, 0);
        cairo_restore(cr);
        for (int i = 0; i < 5; ++i) {
            cairo_save(cr);
            cairo_translate(cr, w * (0.06 + 0.13 * i), h * (0.56 + 0.07 * (i % 2)));
            cairo_scale(cr, 1.1, 1.1);
            paintColouredZelbin(cr, i, i, 64, 64);
            cairo_restore(cr);
        }
        cairo_save(cr);
        cairo_translate(cr, w * 0.5 - 48, h * 0.88 - 48);
        cairo_scale(cr, 1.5, 1.5);
        paintFighter0(cr, 4, 64, 64);
        cairo_restore(cr);
    });
    return picture;
}

TexturePicture makeEndingPicture(const TextureRecipe& recipe) {
    TexturePicture picture = makeSky(recipe);
    paintOver(picture.image, [](cairo_t* cr, int, double w, double h) {
        cairo_save(cr);
        cairo_translate(cr, w / 2, h * 1.05);
        cairo_scale(cr, 3.2, 3.2);
        drawPlanet(cr, PLANETS[EARTH], 0, 0);
        cairo_restore(cr);
        for (int player = 0; player < 2; ++player) {
            cairo_save(cr);
            cairo_translate(cr, w * (0.38 + 0.24 * player) - 48, h * 0.45 - 48);
            cairo_scale(cr, 1.5, 1.5);
            if (player == 0) paintFighter0(cr, 2, 64, 64);
            else paintFighter1(cr, 6, 64, 64);
            cairo_restore(cr);
        }
        for (int i = 0; i < 14; ++i) {
            const double x = w * (0.08 + 0.065 * i), y = h * (0.12 + 0.05 * (i % 3));
            starPath(cr, x, y, 5, 8, 3.5, i * 0.3);
            setColour(cr, paletteColour(i).lighter(0.3));
            cairo_fill(cr);
        }
        // Fireworks over the home world (a picture without words serves every language).
        const double bursts[][3] = {{0.25, 0.22, 70}, {0.72, 0.18, 85}, {0.5, 0.3, 60}};
        for (int b = 0; b < 3; ++b) {
            const Colour c = paletteColour(b * 2).lighter(0.2);
            for (int ray = 0; ray < 16; ++ray) {
                const double a = ray * PI / 8 + b;
                const double x = w * bursts[b][0], y = h * bursts[b][1], r = bursts[b][2];
                cairo_move_to(cr, x + std::cos(a) * r * 0.35, y + std::sin(a) * r * 0.35);
                cairo_line_to(cr, x + std::cos(a) * r, y + std::sin(a) * r);
            }
            glowStroke(cr, c, 2.2);
        }
    });
    return picture;
}

// A drive-in diner with a neon sign that blinks between its two frames.
void paintBurgerJoint(cairo_t* cr, int index, double w, double h) {
    cairo_scale(cr, w / 320, h / 240);
    roundedRectPath(cr, 30, 110, 260, 110, 8);
    fillVertical(cr, rgb(0xFFF0D0), rgb(0xE0B890), 110, 220);
    outline(cr, 3);
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 112);
    for (int scallop = 0; scallop < 10; ++scallop) cairo_arc_negative(cr, 34 + scallop * 28, 112, 14, PI, 0);
    cairo_line_to(cr, 300, 90);
    cairo_line_to(cr, 20, 90);
    cairo_close_path(cr);
    setColour(cr, rgb(0xFF3B3B));
    cairo_fill_preserve(cr);
    outline(cr, 3);
    for (int window = 0; window < 3; ++window) {
        roundedRectPath(cr, 50 + window * 80, 135, 60, 45, 6);
        fillVertical(cr, rgb(0xFFE9A0), rgb(0xFFB21F), 135, 180);
        outline(cr, 2.5);
    }
    for (const double post : {110.0, 210.0}) {
        cairo_rectangle(cr, post - 4, 70, 8, 24);
        setColour(cr, rgb(0x8C96A8));
        cairo_fill_preserve(cr);
        outline(cr, 2);
    }
    roundedRectPath(cr, 60, 18, 200, 62, 12);
    setColour(cr, rgb(0x1B0F2E));
    cairo_fill_preserve(cr);
    outline(cr, 3);
    const Colour neon = index == 0 ? rgb(0xFF4FD8) : rgb(0x29D8F0);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 34);
    cairo_move_to(cr, 84, 62);
    cairo_text_path(cr, "BURGERS");
    glowStroke(cr, neon, 2.2);
    for (int bulb = 0; bulb < 10; ++bulb) {
        const bool bLit = (bulb + index) % 2 == 0;
        circlePath(cr, 70 + bulb * 20, 26, 3);
        setColour(cr, bLit ? rgb(0xFFF25A) : rgb(0x806020));
        cairo_fill(cr);
    }
}

void paintGasPump(cairo_t* cr, int, double w, double h) {
    cairo_scale(cr, w / 160, h / 224);
    roundedRectPath(cr, 30, 40, 80, 170, 10);
    fillBall(cr, rgb(0xFF3B3B), 60, 90, 110);
    outline(cr, 3);
    roundedRectPath(cr, 42, 60, 56, 40, 5);
    fillVertical(cr, rgb(0xE8FFF0), rgb(0xA0D0B0), 60, 100);
    outline(cr, 2);
    cairo_select_font_face(cr, "DejaVu Sans Mono", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 16);
    cairo_move_to(cr, 48, 86);
    setColour(cr, INK);
    cairo_show_text(cr, "9.99");
    circlePath(cr, 70, 26, 22);
    fillBall(cr, WHITE, 66, 22, 22);
    outline(cr, 3);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 18);
    cairo_move_to(cr, 58, 33);
    setColour(cr, rgb(0xFF3B3B));
    cairo_show_text(cr, "GAS");
    cairo_new_path(cr);
    cairo_move_to(cr, 110, 130);
    cairo_curve_to(cr, 150, 130, 150, 190, 130, 200);
    setColour(cr, INK);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    roundedRectPath(cr, 118, 110, 22, 36, 4);
    fillBall(cr, rgb(0x5A6378), 126, 120, 20);
    outline(cr, 2);
    gloss(cr, 50, 120, 10, 40, 0.35);
}

void paintSignAttention(cairo_t* cr, int, double w, double h) {
    cairo_scale(cr, w / 128, h / 128);
    cairo_rectangle(cr, 60, 80, 8, 46);
    setColour(cr, rgb(0x8C96A8));
    cairo_fill_preserve(cr);
    outline(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, 64, 6);
    cairo_line_to(cr, 120, 100);
    cairo_line_to(cr, 8, 100);
    cairo_close_path(cr);
    setColour(cr, rgb(0xFFE11F));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 8);
    setColour(cr, rgb(0xFF3B3B));
    cairo_stroke_preserve(cr);
    outline(cr, 2);
    cairo_save(cr);
    cairo_translate(cr, 64, 72);
    cairo_scale(cr, 0.5, 0.5);
    paintFallingPig(cr, 0, 0, 0);
    cairo_restore(cr);
}

// Frame 0 red, frame 1 green.
void paintTrafficLight(cairo_t* cr, int index, double w, double h) {
    cairo_scale(cr, w / 64, h / 160);
    cairo_rectangle(cr, 28, 110, 8, 48);
    setColour(cr, rgb(0x5A6378));
    cairo_fill_preserve(cr);
    outline(cr, 2);
    roundedRectPath(cr, 8, 4, 48, 110, 10);
    fillVertical(cr, rgb(0x3A3F55), rgb(0x1B1E2E), 4, 114);
    outline(cr, 3);
    const uint32_t lamps[] = {0xFF3B3B, 0xFFC21F, 0x45E03A};
    for (int lamp = 0; lamp < 3; ++lamp) {
        const bool bLit = (index == 0 && lamp == 0) || (index == 1 && lamp == 2);
        const Colour c = bLit ? rgb(lamps[lamp]) : rgb(lamps[lamp]).darker(0.7);
        if (bLit) glowSpot(cr, 32, 24 + lamp * 34, 26, c.withAlpha(0.7));
        circlePath(cr, 32, 24 + lamp * 34, 12);
        fillBall(cr, c, 32, 24 + lamp * 34, 12);
        outline(cr, 2);
    }
}

// A pig tumbling down; the frames wiggle its legs.
void paintFallingPig(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    if (w > 0) cairo_scale(cr, w / 96, h / 96);
    cairo_rotate(cr, index * 0.15);
    const Colour pink = rgb(0xFFA8C8);
    for (int leg = 0; leg < 4; ++leg) {
        const double x = -18 + leg * 12, wiggle = std::sin((index + leg) * PI / 2) * 5;
        roundedRectPath(cr, x - 3, 10 + wiggle * 0.3, 7, 16 + wiggle, 3);
        setColour(cr, pink.darker(0.1));
        cairo_fill_preserve(cr);
        outline(cr, 2);
    }
    ellipsePath(cr, 0, 0, 30, 20);
    fillBall(cr, pink, -6, -4, 30);
    outline(cr, 2.5);
    ellipsePath(cr, 24, -4, 9, 8);
    fillBall(cr, pink.lighter(0.1), 22, -6, 10);
    outline(cr, 2);
    for (int nostril = -1; nostril <= 1; nostril += 2) {
        circlePath(cr, 27, -4 + nostril * 2.5, 1.4);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    circlePath(cr, 14, -10, 2.5);
    setColour(cr, INK);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 8, -18);
    cairo_line_to(cr, 12, -28);
    cairo_line_to(cr, 16, -17);
    setColour(cr, pink.darker(0.1));
    cairo_fill_preserve(cr);
    outline(cr, 2);
    cairo_new_path(cr);
    cairo_move_to(cr, -30, -2);
    cairo_curve_to(cr, -38, -8, -34, -14, -40, -12);
    setColour(cr, INK);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    gloss(cr, -10, -10, 10, 4, 0.5);
}

// A police car seen from above, nose up; the light bar alternates between the frames.
void paintPoliceCar(cairo_t* cr, int index, double w, double h) {
    cairo_scale(cr, w / 96, h / 160);
    for (int wheel = 0; wheel < 4; ++wheel) {
        roundedRectPath(cr, wheel % 2 ? 76 : 8, wheel < 2 ? 28 : 108, 12, 26, 4);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    roundedRectPath(cr, 14, 6, 68, 148, 20);
    fillBall(cr, WHITE, 40, 60, 90);
    outline(cr, 3);
    roundedRectPath(cr, 20, 46, 56, 70, 10);
    fillBall(cr, rgb(0x1B1E2E), 40, 70, 50);
    outline(cr, 2);
    roundedRectPath(cr, 24, 52, 48, 16, 5);
    setColour(cr, rgb(0x5FF3FF).withAlpha(0.8));
    cairo_fill(cr);
    for (int side = 0; side < 2; ++side) {
        const bool bLit = side == index;
        const Colour c = side == 0 ? rgb(0xFF3B3B) : rgb(0x2F7BFF);
        if (bLit) glowSpot(cr, 34 + side * 28, 82, 26, c.withAlpha(0.8));
        roundedRectPath(cr, 26 + side * 24, 76, 20, 12, 3);
        setColour(cr, bLit ? c.lighter(0.3) : c.darker(0.5));
        cairo_fill_preserve(cr);
        outline(cr, 1.5);
    }
}

// The interludes' backdrop: a snowy country road seen from above, running up the screen where
// the fighter drives (x 270 of the 640-unit field), with snow banks, pines and lamps.
TexturePicture makeRoad(const TextureRecipe& recipe) {
    return paintPicture(recipe.frameWidth, recipe.frameHeight, [](cairo_t* cr, int, double w, double h) {
        cairo_rectangle(cr, 0, 0, w, h);
        fillVertical(cr, rgb(0xE8F0FF), rgb(0xC8D8F0), 0, h);
        cairo_new_path(cr);
        GameRandom random;
        random.setSeed(4242);
        for (int drift = 0; drift < 40; ++drift) {
            ellipsePath(cr, random.fraction() * w, random.fraction() * h, 40 + random.fraction() * 80, 20 + random.fraction() * 30);
            setColour(cr, WHITE.withAlpha(0.5));
            cairo_fill(cr);
        }
        const double roadLeft = w * 270 / 640 - 130, roadWidth = 260;
        cairo_rectangle(cr, roadLeft - 18, 0, roadWidth + 36, h);
        setColour(cr, WHITE);
        cairo_fill(cr);
        cairo_rectangle(cr, roadLeft, 0, roadWidth, h);
        fillVertical(cr, rgb(0x5A6070), rgb(0x4A5060), 0, h);
        cairo_new_path(cr);
        for (const double edge : {roadLeft + 10, roadLeft + roadWidth - 10}) {
            cairo_move_to(cr, edge, 0);
            cairo_line_to(cr, edge, h);
        }
        setColour(cr, WHITE.withAlpha(0.85));
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        for (double y = 0; y < h; y += 80) cairo_rectangle(cr, roadLeft + roadWidth / 2 - 4, y + 10, 8, 44);
        setColour(cr, rgb(0xFFE11F));
        cairo_fill(cr);
        for (int tree = 0; tree < 26; ++tree) {
            const bool bLeft = tree % 2 == 0;
            const double x = bLeft ? random.fraction() * (roadLeft - 90) + 45 : roadLeft + roadWidth + 60 + random.fraction() * (w - roadLeft - roadWidth - 110);
            const double y = random.fraction() * h, r = 28 + random.fraction() * 22;
            ellipsePath(cr, x + r * 0.3, y + r * 0.35, r, r * 0.8);
            setColour(cr, rgb(0x8090B0).withAlpha(0.35));
            cairo_fill(cr);
            for (int layer = 0; layer < 3; ++layer) {
                starPath(cr, x, y, 8, r * (1 - 0.28 * layer), r * (0.7 - 0.2 * layer), layer * 0.2);
                fillBall(cr, rgb(0x2E8B57).darker(0.1 * (2 - layer)), x - r * 0.3, y - r * 0.3, r);
                outline(cr, 2);
            }
            gloss(cr, x - r * 0.2, y - r * 0.25, r * 0.35, r * 0.25, 0.8);
        }
        for (double y = 120; y < h; y += 320) {
            const double x = roadLeft + roadWidth + 22;
            glowSpot(cr, x - 30, y, 60, rgb(0xFFE45F).withAlpha(0.35));
            circlePath(cr, x, y, 8);
            fillBall(cr, rgb(0x5A6378), x, y, 8);
            outline(cr, 2);
        }
    });
}
