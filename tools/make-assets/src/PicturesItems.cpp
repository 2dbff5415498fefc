// Pick-ups, food and the particles of explosions, smoke, fluff and snow.
#include <algorithm>
#include <cmath>
#include "Pictures.h"

namespace {

// A present that bobs and glints: the frames move a sparkle over its lid.
void paintGiftBox(cairo_t* cr, Colour box, Colour ribbon, int index, double w, double h) {
    const double bob = std::sin(index * PI / 4) * 1.5;
    cairo_translate(cr, w / 2, h / 2 + bob);
    cairo_scale(cr, w / 48, h / 48);
    roundedRectPath(cr, -15, -8, 30, 24, 3);
    fillBall(cr, box, -6, -2, 26);
    outline(cr, 2);
    roundedRectPath(cr, -17, -14, 34, 8, 2);
    fillBall(cr, box.lighter(0.15), -6, -12, 24);
    outline(cr, 2);
    cairo_rectangle(cr, -3.5, -14, 7, 30);
    setColour(cr, ribbon);
    cairo_fill_preserve(cr);
    outline(cr, 1.4);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, side * 6, -17, 6, 4);
        setColour(cr, ribbon);
        cairo_fill_preserve(cr);
        outline(cr, 1.6);
    }
    const double sparkleX = -12 + index * 3.4;
    starPath(cr, sparkleX, -9, 4, 5, 1.2, 0);
    setColour(cr, WHITE.withAlpha(0.9));
    cairo_fill(cr);
}

}  // namespace

void paintGiftBoxRed(cairo_t* cr, int index, double w, double h) {
    paintGiftBox(cr, rgb(0xFF3B3B), rgb(0xFFE11F), index, w, h);
}
void paintGiftBoxGreen(cairo_t* cr, int index, double w, double h) {
    paintGiftBox(cr, rgb(0x45E03A), rgb(0xFF4FD8), index, w, h);
}
void paintGiftBoxYellow(cairo_t* cr, int index, double w, double h) {
    paintGiftBox(cr, rgb(0xFFE11F), rgb(0x2F7BFF), index, w, h);
}

// A glowing nucleus with three electrons on their orbits; the frames move the electrons.
void paintAtom(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 48, h / 48);
    glowSpot(cr, 0, 0, 22, rgb(0x42F5B0).withAlpha(0.5));
    for (int orbit = 0; orbit < 3; ++orbit) {
        cairo_save(cr);
        cairo_rotate(cr, orbit * PI / 3);
        ellipsePath(cr, 0, 0, 19, 7);
        setColour(cr, rgb(0xB6FFE6).withAlpha(0.8));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        const double a = index * PI / 4 + orbit * 2 * PI / 3;
        circlePath(cr, std::cos(a) * 19, std::sin(a) * 7, 2.6);
        setColour(cr, WHITE);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    circlePath(cr, 0, 0, 6.5);
    fillBall(cr, rgb(0x42F5B0), 0, 0, 6.5);
    outline(cr, 1.6);
    gloss(cr, -2, -2.5, 2, 1.4, 0.9);
}

// A gold coin spinning round its upright axis.
void paintCoin(cairo_t* cr, int index, double w, double h) {
    const double turn = std::cos(rotationOfFrame(index, 16));
    const double r = std::min(w, h) / 2 - 2;
    cairo_translate(cr, w / 2, h / 2);
    const double squeeze = std::max(0.12, std::fabs(turn));
    ellipsePath(cr, 0, 0, r * squeeze, r);
    fillBall(cr, rgb(0xFFC21F), -r * 0.3 * squeeze, -r * 0.3, r);
    outline(cr, 1.6);
    if (squeeze > 0.35) {
        ellipsePath(cr, 0, 0, r * 0.68 * squeeze, r * 0.68);
        setColour(cr, rgb(0xE09000));
        cairo_set_line_width(cr, 1.4);
        cairo_stroke(cr);
        cairo_save(cr);
        cairo_scale(cr, squeeze, 1);
        starPath(cr, 0, 0, 5, r * 0.45, r * 0.2, 0);
        setColour(cr, rgb(0xFFF3A0));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    gloss(cr, -r * 0.3 * squeeze, -r * 0.45, r * 0.25 * squeeze + 0.5, r * 0.2, 0.8);
}

// A glazed tentacle morsel turning once round over the frames: a zelbin tentacle curled into a
// spiral, roasted amber, a row of little suckers along its inner side and the shine of its glaze.
void paintZelbinLeg(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index, 32));
    cairo_scale(cr, w / 32, h / 32);
    // The spine: from the thick cut end at the outside, a turn and a quarter in to the tip.
    std::vector<Point> spine;
    constexpr int STEPS = 24;
    auto spiral = [](double t, double inset) {
        const double a = -0.4 + t * 2.5 * PI, r = 10.5 * (1 - 0.62 * t) - inset;
        return Point{std::cos(a) * r, std::sin(a) * r};
    };
    for (int i = 0; i < STEPS; ++i) spine.push_back(spiral(double(i) / (STEPS - 1), 0));
    const Colour glaze = rgb(0xE07A2E);
    taperedPath(cr, spine, 7, 1.6);
    fillBall(cr, glaze, -3, -4, 13);
    outline(cr, 1.4);
    for (int i = 3; i < STEPS - 3; i += 3) {
        const double t = double(i) / (STEPS - 1);
        const Point sucker = spiral(t, 3.5 * (1 - 0.75 * t));
        circlePath(cr, sucker.x, sucker.y, 1.2 * (1 - 0.5 * t));
        setColour(cr, rgb(0xFFD9A0));
        cairo_fill_preserve(cr);
        setColour(cr, glaze.darker(0.4));
        cairo_set_line_width(cr, 0.5);
        cairo_stroke(cr);
    }
    // The cut end: the pale flesh inside the glazed skin.
    const Point end = spine.front();
    ellipsePath(cr, end.x, end.y, 2.6, 3.4);
    setColour(cr, rgb(0xFFE8C8));
    cairo_fill_preserve(cr);
    outline(cr, 1);
    gloss(cr, -4, -6, 3.5, 1.5, 0.8);
}

// A steaming covered dish: a silver cover on a plate, lifted a little at one side, where the tip
// of a glazed tentacle peeps out; steam curls up from under the cover.
void paintRoastZelbin(cairo_t* cr, int, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 64, h / 48);
    ellipsePath(cr, 0, 14, 29, 7);
    fillVertical(cr, WHITE, rgb(0xB8C4D8), 7, 21);
    outline(cr, 1.8);
    ellipsePath(cr, 0, 13, 22, 4.5);
    setColour(cr, rgb(0xDCE4F0));
    cairo_fill(cr);
    glowSpot(cr, 18, 9, 9, rgb(0xFFC060).withAlpha(0.8));
    cairo_save(cr);
    cairo_translate(cr, 0, 12);
    cairo_rotate(cr, -0.12);
    cairo_new_path(cr);
    cairo_move_to(cr, -22, 0);
    cairo_curve_to(cr, -22, -20, 22, -20, 22, 0);
    cairo_close_path(cr);
    fillBall(cr, rgb(0xC8D2E4), -8, -12, 22);
    outline(cr, 2);
    circlePath(cr, 0, -16.5, 2.8);
    fillBall(cr, rgb(0xC8D2E4), -1, -17.5, 3);
    outline(cr, 1.4);
    gloss(cr, -9, -10, 6, 3, 0.8);
    cairo_restore(cr);
    const std::vector<Point> tip = cubicPoints(Point{16, 10}, Point{24, 10}, Point{28, 5}, Point{24, 2}, 10);
    taperedPath(cr, tip, 4.2, 1.4);
    fillBall(cr, rgb(0xE07A2E), 22, 5, 7);
    outline(cr, 1.2);
    for (int steam = -1; steam <= 1; ++steam) {
        const double x = steam * 9 + 2;
        cairo_new_path(cr);
        cairo_move_to(cr, x, -9);
        cairo_curve_to(cr, x - 4, -13, x + 4, -15, x, -19);
        cairo_curve_to(cr, x - 3, -21, x + 2, -23, x, -24);
        setColour(cr, WHITE.withAlpha(0.7));
        cairo_set_line_width(cr, 1.8);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

// 4 rows of 32 headings: a streak that cools from white-hot to dark red row by row.
void paintSparc(cairo_t* cr, int index, double w, double h) {
    static const uint32_t ROWS[] = {0xFFF8C0, 0xFFC21F, 0xFF6A1F, 0xB02A1F};
    const int row = index / 32;
    const Colour c = rgb(ROWS[row]).withAlpha(1 - row * 0.18);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index % 32, 32));
    const double length = h * (0.42 - row * 0.05);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -length);
    cairo_line_to(cr, 0, length * 0.6);
    glowStroke(cr, c, std::max(1.2, w / 10));
}

// A puff that swells and fades over 20 frames.
void paintSmoke(cairo_t* cr, int index, double w, double h) {
    const double t = index / 19.0;
    const double r = (w / 2 - 2) * (0.35 + 0.65 * t);
    const double alpha = 0.75 * (1 - t) + 0.05;
    cairo_translate(cr, w / 2, h / 2);
    const double lobes[][3] = {{0, 0, 1}, {-0.4, 0.2, 0.7}, {0.4, 0.15, 0.7}, {0.1, -0.35, 0.65}};
    for (const auto& lobe : lobes) {
        circlePath(cr, lobe[0] * r, lobe[1] * r, lobe[2] * r * 0.75);
        fillBall(cr, rgb(0xE4DDF0).darker(0.15 * t).withAlpha(alpha), lobe[0] * r, lobe[1] * r, lobe[2] * r);
        cairo_new_path(cr);
    }
}

// The pop of a collected pick-up: a ring of sparkles widening and fading.
void paintSmokeBubble(cairo_t* cr, int index, double w, double h) {
    const double t = index / 7.0;
    const double r = (w / 2 - 4) * (0.3 + 0.7 * t);
    cairo_translate(cr, w / 2, h / 2);
    circlePath(cr, 0, 0, r);
    setColour(cr, WHITE.withAlpha(0.8 * (1 - t)));
    cairo_set_line_width(cr, 2.5 * (1 - t) + 0.5);
    cairo_stroke(cr);
    for (int k = 0; k < 8; ++k) {
        const double a = k * PI / 4 + t;
        starPath(cr, std::cos(a) * r, std::sin(a) * r, 4, 3.5 * (1 - t) + 1, 0.8, 0);
        setColour(cr, (k % 2 ? rgb(0xFFE11F) : rgb(0x6FF7FF)).withAlpha(1 - t * 0.85));
        cairo_fill(cr);
    }
}

// A glowing spore mote turning as it drifts: a bright seed of light with thin filaments, each
// ending in a tiny bead.
void paintFluff(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, index * PI / 12);
    cairo_scale(cr, w / 16, h / 16);
    glowSpot(cr, 0, 0, 7.5, rgb(0xE8D0FF).withAlpha(0.7));
    constexpr int FILAMENTS = 6;
    for (int k = 0; k < FILAMENTS; ++k) {
        const double a = k * 2 * PI / FILAMENTS, length = k % 2 ? 5.5 : 6.8;
        const double bend = 0.35 * std::sin(index * PI / 4 + k);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, std::cos(a) * length * 0.5, std::sin(a) * length * 0.5, std::cos(a + bend) * length * 0.8,
                       std::sin(a + bend) * length * 0.8, std::cos(a + bend) * length, std::sin(a + bend) * length);
        setColour(cr, WHITE.withAlpha(0.85));
        cairo_set_line_width(cr, 0.7);
        cairo_stroke(cr);
        circlePath(cr, std::cos(a + bend) * length, std::sin(a + bend) * length, 0.9);
        setColour(cr, rgb(0xFFF2FF));
        cairo_fill(cr);
    }
    circlePath(cr, 0, 0, 2.2);
    fillBall(cr, rgb(0xF4E8FF), -0.5, -0.6, 2.2);
}

// Three size classes of ten six-armed flakes each.
TexturePicture makeSnowflakes(const TextureRecipe& recipe) {
    std::vector<FrameRect> sizes;
    for (int i = 0; i < recipe.frameCount; ++i) {
        const int side = recipe.frameWidth + 8 * (i / 10);
        sizes.push_back(FrameRect{0, 0, side, side});
    }
    return paintSheet(sizes, [](cairo_t* cr, int index, double w, double h) {
        const int variant = index % 10;
        const double r = w / 2 - 1.5;
        cairo_translate(cr, w / 2, h / 2);
        cairo_rotate(cr, variant * 0.17);
        glowSpot(cr, 0, 0, r, rgb(0xBFEFFF).withAlpha(0.2));
        cairo_new_path(cr);
        for (int arm = 0; arm < 6; ++arm) {
            const double a = arm * PI / 3;
            const double ca = std::cos(a), sa = std::sin(a);
            cairo_move_to(cr, 0, 0);
            cairo_line_to(cr, ca * r * 0.9, sa * r * 0.9);
            const double branch = r * (0.35 + 0.05 * (variant % 4));
            const double twig = r * (0.2 + 0.04 * (variant % 3));
            for (int side = -1; side <= 1; side += 2) {
                const double b = a + side * PI / 4;
                cairo_move_to(cr, ca * branch, sa * branch);
                cairo_line_to(cr, ca * branch + std::cos(b) * twig, sa * branch + std::sin(b) * twig);
                if (variant % 2) {
                    cairo_move_to(cr, ca * branch * 1.6, sa * branch * 1.6);
                    cairo_line_to(cr, ca * branch * 1.6 + std::cos(b) * twig * 0.6,
                                  sa * branch * 1.6 + std::sin(b) * twig * 0.6);
                }
            }
        }
        // Half see-through: the snow falls over the menus' texts, which stay readable.
        setColour(cr, WHITE.withAlpha(0.55));
        cairo_set_line_width(cr, std::max(1.0, w / 14));
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    });
}
