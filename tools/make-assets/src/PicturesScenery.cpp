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

struct PlanetLook {
    int size;
    uint32_t base, band;
    bool bRing;
};

// Outermost first; the last one is home.
const PlanetLook PLANETS[] = {
    {150, 0x6F8BFF, 0xBFD0FF, false}, {180, 0x5AE0E0, 0xC8FFF6, true},  {230, 0xE0B070, 0xFFE4B0, true},
    {250, 0xFF9A5A, 0xFFE0C0, false}, {140, 0xFF5A4F, 0xFFB0A0, false}, {120, 0xB0B0C0, 0xE8E8F0, false},
    {130, 0x4FA8FF, 0x45E03A, false}, {110, 0xFFD07A, 0xFFF0C0, false}, {96, 0xA0A0A0, 0xD8D8D8, false},
    {100, 0xD08040, 0xFFC080, false}, {200, 0xFFC21F, 0xFFF6A0, false},
};

void drawPlanet(cairo_t* cr, const PlanetLook& look, int index, double w, double h) {
    const double r = look.size * 0.4;
    cairo_translate(cr, w / 2, h / 2);
    if (index == 10) {  // the sun of the home system
        glowSpot(cr, 0, 0, w / 2, rgb(0xFFC21F).withAlpha(0.7));
        circlePath(cr, 0, 0, r);
        fillBall(cr, rgb(look.base), 0, 0, r);
        gloss(cr, -r * 0.3, -r * 0.3, r * 0.4, r * 0.3, 0.6);
        return;
    }
    glowSpot(cr, 0, 0, r * 1.25, rgb(look.band).withAlpha(0.35));
    if (look.bRing) {
        cairo_save(cr);
        cairo_rotate(cr, -0.35);
        ellipsePath(cr, 0, 0, r * 1.55, r * 0.42);
        setColour(cr, rgb(look.band).withAlpha(0.75));
        cairo_set_line_width(cr, r * 0.12);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    circlePath(cr, 0, 0, r);
    fillBall(cr, rgb(look.base), 0, 0, r);
    cairo_save(cr);
    cairo_clip(cr);
    for (int band = -3; band <= 3; ++band) {
        const double y = band * r * 0.28 + (index % 3) * 2;
        cairo_rectangle(cr, -r, y, 2 * r, r * (0.06 + 0.03 * ((band + index) % 3)));
        setColour(cr, rgb(look.band).withAlpha(0.35));
        cairo_fill(cr);
    }
    if (index == 6) {  // the home world: seas with green land
        for (int land = 0; land < 4; ++land) {
            ellipsePath(cr, -r * 0.5 + land * r * 0.35, -r * 0.3 + (land % 2) * r * 0.5, r * 0.25, r * 0.18);
            setColour(cr, rgb(look.band));
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    // The night side.
    cairo_pattern_t* shade = cairo_pattern_create_linear(-r, -r, r, r);
    cairo_pattern_add_color_stop_rgba(shade, 0.45, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(shade, 1, 0.05, 0.02, 0.12, 0.7);
    cairo_set_source(cr, shade);
    circlePath(cr, 0, 0, r);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    outline(cr, 2.5);
    gloss(cr, -r * 0.4, -r * 0.45, r * 0.3, r * 0.2, 0.4);
    if (look.bRing) {
        // The front half of the ring passes over the planet.
        cairo_save(cr);
        cairo_rotate(cr, -0.35);
        cairo_scale(cr, r * 1.55, r * 0.42);
        cairo_new_path(cr);
        cairo_arc(cr, 0, 0, 1, 0.05, PI - 0.05);
        cairo_restore(cr);
        setColour(cr, rgb(look.band));
        cairo_set_line_width(cr, r * 0.12);
        cairo_stroke(cr);
    }
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

// Eleven planets, each in a frame of its own size (the star map lines them up by height).
TexturePicture makePlanets(const TextureRecipe& recipe) {
    std::vector<FrameRect> sizes;
    for (int i = 0; i < recipe.frameCount; ++i) sizes.push_back(FrameRect{0, 0, PLANETS[i].size, PLANETS[i].size});
    return paintSheet(sizes, [](cairo_t* cr, int index, double w, double h) { drawPlanet(cr, PLANETS[index], index, w, h); });
}

// The title picture: the game's logo comes over its empty upper half.
TexturePicture makeIntroPicture(const TextureRecipe& recipe) {
    TexturePicture picture = makeSky(recipe);
    paintOver(picture.image, [](cairo_t* cr, int, double w, double h) {
        cairo_save(cr);
        cairo_translate(cr, w * 0.78, h * 0.72);
        drawPlanet(cr, PLANETS[3], 3, 0, 0);
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
        drawPlanet(cr, PLANETS[6], 6, 0, 0);
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
