// The zelbins, soft translucent space critters, in every pose, and the other enemies. A zelbin is
// a rounded bell with a glowing core inside, a dark visor band across its face holding three
// eyes, a pair of ribbed membrane fins at its sides that beat to fly, and a fringe of short
// tentacles hanging from its hem.
#include <algorithm>
#include <cmath>
#include "Pictures.h"

namespace {

enum class Headgear { None, Helmet, Crown };

struct ZelbinLook {
    Colour body;
    Headgear headgear = Headgear::None;
    bool bAngry = false;
};

// Drawing units: a zelbin is about 64 across with its fins out, centred on its body.
constexpr double HEM_Y = 9;     // the lower rim of the bell, where the tentacles hang from
constexpr double FIN_ROOT_X = 15;

// The bell: a dome over a gently scalloped hem.
void bellPath(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_move_to(cr, -16, HEM_Y - 1);
    cairo_curve_to(cr, -20, -5, -12, -16, 0, -16);
    cairo_curve_to(cr, 12, -16, 20, -5, 16, HEM_Y - 1);
    for (int scallop = 0; scallop < 4; ++scallop) {
        const double x0 = 16 - 8 * scallop, x1 = x0 - 8;
        cairo_curve_to(cr, x0 - 2, HEM_Y + 3, x1 + 2, HEM_Y + 3, x1, HEM_Y - 1);
    }
    cairo_close_path(cr);
}

// One fin, rooted at the origin and reaching out along +x, as a ray's: a swept fan of membrane
// over four ribs, the longest at its leading edge. `bend` curls the rib ends (positive: towards
// +y), as the membrane lags behind a beat.
void drawFin(cairo_t* cr, Colour body, double bend) {
    constexpr int RIBS = 4;
    const double ribAngles[RIBS] = {-0.55, -0.15, 0.25, 0.62};
    const double ribLengths[RIBS] = {22, 19, 15, 11};
    Point ends[RIBS];
    for (int k = 0; k < RIBS; ++k) {
        const double a = ribAngles[k] + bend * (0.5 + 0.15 * k);
        ends[k] = Point{std::cos(a) * ribLengths[k], std::sin(a) * ribLengths[k]};
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -4);
    cairo_curve_to(cr, ends[0].x * 0.3, ends[0].y * 0.8, ends[0].x * 0.7, ends[0].y * 1.05, ends[0].x, ends[0].y);
    for (int k = 1; k < RIBS; ++k) {
        // The edge between two rib ends, bowed a little outwards.
        const Point a = ends[k - 1], b = ends[k];
        const double bulge = 1.05;
        cairo_curve_to(cr, (a.x * 2 + b.x) / 3 * bulge, (a.y * 2 + b.y) / 3 * bulge, (a.x + b.x * 2) / 3 * bulge,
                       (a.y + b.y * 2) / 3 * bulge, b.x, b.y);
    }
    cairo_curve_to(cr, ends[RIBS - 1].x * 0.6, ends[RIBS - 1].y * 1.1, 3, 6, 0, 4);
    cairo_close_path(cr);
    fillVertical(cr, body.lighter(0.65).withAlpha(0.8), body.lighter(0.25).withAlpha(0.65), -14, 12);
    outline(cr, 1.7);
    cairo_new_path(cr);
    for (const Point& end : ends) {
        cairo_move_to(cr, 1, 0);
        cairo_curve_to(cr, end.x * 0.4, end.y * 0.35, end.x * 0.7, end.y * 0.72, end.x * 0.95, end.y * 0.95);
    }
    setColour(cr, body.darker(0.3));
    cairo_set_line_width(cr, 1.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

// The pair of fins, for `flap` from 0 (raised) to 1 (lowered), behind the bell.
void drawFins(cairo_t* cr, Colour body, double flap) {
    const double angle = -0.85 + 1.9 * flap;
    const double bend = 0.35 * std::cos(flap * PI);  // tips lag: curled down on the way up
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_scale(cr, side, 1);
        cairo_translate(cr, FIN_ROOT_X - 2, -1);
        cairo_rotate(cr, angle);
        drawFin(cr, body, bend);
        cairo_restore(cr);
    }
}

// A short tentacle from (x, HEM_Y), drawn as a strand that narrows to a curled tip.
void drawTentacle(cairo_t* cr, Colour body, double x, double length, double sway, double trail) {
    const Point root{x, HEM_Y - 2};
    const Point tip{x + sway * 4 + trail, HEM_Y + length};
    const std::vector<Point> spine = cubicPoints(root, Point{x - sway * 3, HEM_Y + length * 0.4},
                                                 Point{tip.x + sway * 2 + trail * 0.3, tip.y - length * 0.3},
                                                 tip, 10);
    taperedPath(cr, spine, 4.4, 1.4);
    fillVertical(cr, body.darker(0.05), body.lighter(0.35), HEM_Y, HEM_Y + length);
    outline(cr, 1.5);
}

// The fringe of five tentacles; `sway` -1..1 swings them, `trail` drags the tips sideways.
void drawTentacles(cairo_t* cr, Colour body, double sway, double trail = 0) {
    const double xs[] = {-10, 10, -5, 5, 0};
    const double lengths[] = {10, 10, 13, 13, 15};
    for (int k = 0; k < 5; ++k)
        drawTentacle(cr, body, xs[k], lengths[k], sway * (k % 2 ? -1 : 1) * (0.6 + 0.1 * k), trail);
}

// The see-through body with its light inside: an inner bell and a core glowing through the skin,
// a couple of floating specks, a rim of light round the edge and the shine of a wet surface.
void drawBell(cairo_t* cr, Colour body) {
    bellPath(cr);
    cairo_pattern_t* skin = cairo_pattern_create_radial(-4, -6, 1, 0, -2, 20);
    const Colour light = body.lighter(0.5), dark = body.darker(0.35);
    cairo_pattern_add_color_stop_rgba(skin, 0, light.r, light.g, light.b, 0.8);
    cairo_pattern_add_color_stop_rgba(skin, 0.6, body.r, body.g, body.b, 0.6);
    cairo_pattern_add_color_stop_rgba(skin, 1, dark.r, dark.g, dark.b, 0.85);
    cairo_set_source(cr, skin);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(skin);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    setColour(cr, body.lighter(0.7).withAlpha(0.6));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, 3.5);
    cairo_scale(cr, 0.62, 0.55);
    bellPath(cr);
    cairo_restore(cr);
    setColour(cr, body.darker(0.25).withAlpha(0.35));
    cairo_fill_preserve(cr);
    setColour(cr, body.lighter(0.6).withAlpha(0.7));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    glowSpot(cr, 0, 4.5, 9, rgb(0xFFF6B0).withAlpha(0.9));
    glowSpot(cr, 0, 4.5, 3.6, WHITE);
    circlePath(cr, -11, 3, 1.5);
    circlePath(cr, 10, -0.5, 1.1);
    setColour(cr, WHITE.withAlpha(0.5));
    cairo_fill(cr);
    cairo_restore(cr);
    bellPath(cr);
    outline(cr, 2.2);
    gloss(cr, -7, -11.5, 5, 2.4, 0.7);
}

// The visor band across the face with its three eyes looking at the viewer; an angry zelbin's
// eyes are half shut by lids slanting down towards the middle.
void drawVisor(cairo_t* cr, bool bAngry) {
    cairo_new_path(cr);
    cairo_move_to(cr, -14, -6);
    cairo_curve_to(cr, -13, -10, -6, -11, 0, -11);
    cairo_curve_to(cr, 6, -11, 13, -10, 14, -6);
    cairo_curve_to(cr, 14.5, -3, 13, -0.5, 11, -0.5);
    cairo_curve_to(cr, 5, 0.5, -5, 0.5, -11, -0.5);
    cairo_curve_to(cr, -13, -0.5, -14.5, -3, -14, -6);
    cairo_close_path(cr);
    setColour(cr, INK.withAlpha(0.92));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    const double eyes[][3] = {{-8, -4.6, 2.5}, {8, -4.6, 2.5}, {0, -5.0, 3.2}};
    for (const auto& eye : eyes) {
        glowSpot(cr, eye[0], eye[1], eye[2] * 2.2, rgb(0xB8FFF4).withAlpha(0.6));
        ellipsePath(cr, eye[0], eye[1], eye[2], eye[2] * 1.15);
        setColour(cr, rgb(0xF4FFFC));
        cairo_fill(cr);
        circlePath(cr, eye[0], eye[1] + eye[2] * 0.3, eye[2] * 0.55);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    if (bAngry) {
        // Each lid's lower edge runs from high at the outside to low at the middle of the face.
        cairo_new_path(cr);
        cairo_move_to(cr, -15, -12);
        cairo_line_to(cr, -15, -8.8);
        cairo_line_to(cr, -4, -5.4);
        cairo_line_to(cr, 0, -6.6);
        cairo_line_to(cr, 4, -5.4);
        cairo_line_to(cr, 15, -8.8);
        cairo_line_to(cr, 15, -12);
        cairo_close_path(cr);
        setColour(cr, INK);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    outline(cr, 1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, -10, -8.6);
    cairo_curve_to(cr, -5, -9.8, 5, -9.8, 10, -8.6);
    setColour(cr, WHITE.withAlpha(bAngry ? 0.2 : 0.35));
    cairo_set_line_width(cr, 1.1);
    cairo_stroke(cr);
}

// The sergeant's dome helmet with its star, and three chevrons on the side of the bell.
void drawHelmetAndChevrons(cairo_t* cr) {
    cairo_new_path(cr);
    cairo_arc(cr, 0, -12, 12.5, PI, 2 * PI);
    cairo_line_to(cr, 16, -11);
    cairo_curve_to(cr, 10, -9.5, -10, -9.5, -16, -11);
    cairo_close_path(cr);
    fillBall(cr, rgb(0x6B8E3A), -3, -17, 13);
    outline(cr, 2);
    starPath(cr, 0, -17, 5, 4.2, 1.9, 0);
    setColour(cr, rgb(0xFFE11F));
    cairo_fill_preserve(cr);
    outline(cr, 1);
    for (int stripe = 0; stripe < 3; ++stripe) {
        cairo_new_path(cr);
        cairo_move_to(cr, -14, 2 + stripe * 3);
        cairo_line_to(cr, -10.5, -0.5 + stripe * 3);
        cairo_line_to(cr, -7, 2 + stripe * 3);
        setColour(cr, INK);
        cairo_set_line_width(cr, 3.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        setColour(cr, rgb(0xFFE11F));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
}

// One long six-sided crystal standing on its base at the origin, pointing up.
void drawCrystalShard(cairo_t* cr, double height, double width, Colour c) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -height);
    cairo_line_to(cr, width / 2, -height * 0.72);
    cairo_line_to(cr, width / 2, 0);
    cairo_line_to(cr, -width / 2, 0);
    cairo_line_to(cr, -width / 2, -height * 0.72);
    cairo_close_path(cr);
    fillVertical(cr, c.lighter(0.7), c.darker(0.15), -height, 0);
    outline(cr, 1.3);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -height * 0.95);
    cairo_line_to(cr, 0, -1);
    setColour(cr, WHITE.withAlpha(0.6));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// The boss's crown: a ring of glowing crystals growing from a circlet round the top of the bell.
void drawCrystalCrown(cairo_t* cr) {
    glowSpot(cr, 0, -18, 16, rgb(0x7FF6FF).withAlpha(0.45));
    const double shards[][4] = {{-10, -10, -0.45, 7}, {10, -10, 0.45, 7}, {-5.5, -13.5, -0.2, 10}, {5.5, -13.5, 0.2, 10},
                                {0, -15, 0, 13}};
    for (int k = 0; k < 5; ++k) {
        cairo_save(cr);
        cairo_translate(cr, shards[k][0], shards[k][1]);
        cairo_rotate(cr, shards[k][2]);
        drawCrystalShard(cr, shards[k][3], 4.2, k == 4 ? rgb(0xFF6FD8) : rgb(0x5FE6FF));
        cairo_restore(cr);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, -12, -9);
    cairo_curve_to(cr, -6, -15.5, 6, -15.5, 12, -9);
    setColour(cr, INK);
    cairo_set_line_width(cr, 3.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    setColour(cr, rgb(0xD8E4FF));
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
}

// A zelbin facing the viewer, centred; `flap` 0 = fins raised, 1 = lowered. The tentacles swing
// against the beat.
void drawZelbin(cairo_t* cr, const ZelbinLook& look, double flap) {
    drawFins(cr, look.body, flap);
    drawTentacles(cr, look.body, std::sin(flap * PI * 2) * 0.5 + (0.5 - flap) * 0.6);
    drawBell(cr, look.body);
    drawVisor(cr, look.bAngry);
    if (look.headgear == Headgear::Helmet) drawHelmetAndChevrons(cr);
    if (look.headgear == Headgear::Crown) drawCrystalCrown(cr);
}

// Ping-pong flapping: the chain's frames run up and down, so frame 0 is fins raised, the last lowered.
double flapOfFrame(int index) { return index / 7.0; }

// Speed lines trailing behind a flier moving right.
void drawSpeedLines(cairo_t* cr, int count, double length) {
    for (int i = 0; i < count; ++i) {
        const double y = -14 + 28.0 * i / std::max(1, count - 1);
        cairo_new_path(cr);
        cairo_move_to(cr, -22, y);
        cairo_line_to(cr, -22 - length * (0.6 + 0.4 * ((i * 37) % 5) / 4.0), y);
        setColour(cr, WHITE.withAlpha(0.75));
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

// A zelbin in profile flying to the right: the bell leans into the flight, the visor wraps round
// its front with two of the three eyes in view, the fins beat at its back (the far one a shade
// darker, behind the bell) and the tentacles stream out behind.
void drawZelbinSide(cairo_t* cr, Colour body, double flap) {
    cairo_save(cr);
    cairo_rotate(cr, 0.35);
    const double finAngle = 0.85 - 1.5 * flap, bend = -0.35 * std::cos(flap * PI);
    cairo_save(cr);
    cairo_translate(cr, -8, -5);
    cairo_rotate(cr, PI + finAngle - 0.3);
    drawFin(cr, body.darker(0.25), bend);
    cairo_restore(cr);
    drawTentacles(cr, body, std::sin(flap * PI * 2) * 0.4, -7);
    drawBell(cr, body);
    cairo_save(cr);
    bellPath(cr);
    cairo_clip(cr);
    cairo_translate(cr, 13, 0);
    cairo_scale(cr, 0.55, 1);
    drawVisor(cr, false);
    cairo_restore(cr);
    bellPath(cr);
    outline(cr, 2.2);
    cairo_save(cr);
    cairo_translate(cr, -11, 0);
    cairo_rotate(cr, PI + finAngle);
    drawFin(cr, body, bend);
    cairo_restore(cr);
    cairo_restore(cr);
}

void paintIntroZelbin(cairo_t* cr, int index, double w, double h, bool bLeft, int speedLines) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, (bLeft ? -1 : 1) * w / 72, h / 72);
    cairo_translate(cr, speedLines > 0 ? 10 : 6, -1);
    drawSpeedLines(cr, speedLines, 6.0 + speedLines * 2);
    drawZelbinSide(cr, paletteColour(0), flapOfFrame(index));
}

// A seed capsule's lobes run from near its stalk to its point; two outer ones make its outline.
constexpr double OUTER_LOBE_CENTRE = 0.58, OUTER_LOBE_HALF_WIDTH = 0.46;  // of the capsule's rx

// One lobe of a capsule `ry` high, centred `centre` off its middle line, `halfWidth` wide.
void lobePath(cairo_t* cr, double ry, double centre, double halfWidth) {
    cairo_new_path(cr);
    cairo_move_to(cr, centre * 0.15, -ry);
    cairo_curve_to(cr, centre - halfWidth, -ry * 0.75, centre - halfWidth * 1.05, ry * 0.45, centre * 0.1, ry);
    cairo_curve_to(cr, centre + halfWidth * 1.05, ry * 0.45, centre + halfWidth, -ry * 0.75, centre * 0.15, -ry);
    cairo_close_path(cr);
}

// The outline of a capsule: the outer sides of its two outer lobes.
void capsuleSilhouettePath(cairo_t* cr, double rx, double ry) {
    const double c = OUTER_LOBE_CENTRE * rx, hw = OUTER_LOBE_HALF_WIDTH * rx;
    cairo_new_path(cr);
    cairo_move_to(cr, -c * 0.15, -ry);
    cairo_curve_to(cr, -c - hw, -ry * 0.75, -c - hw * 1.05, ry * 0.45, -c * 0.1, ry);
    cairo_line_to(cr, c * 0.1, ry);
    cairo_curve_to(cr, c + hw * 1.05, ry * 0.45, c + hw, -ry * 0.75, c * 0.15, -ry);
    cairo_close_path(cr);
}

// A ribbed seed capsule, `rx` by `ry` round its centre, with a short stalk on top and a point at
// its foot: four long lobes swell from stalk to point, and the light inside leaks out through
// the grooves between them.
void drawSeedCapsule(cairo_t* cr, double rx, double ry, Colour husk, Colour inner) {
    const double line = std::clamp(rx / 7, 1.2, 3.5);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -ry + line);
    cairo_curve_to(cr, rx * 0.05, -ry - rx * 0.25, rx * 0.2, -ry - rx * 0.35, rx * 0.35, -ry - rx * 0.3);
    setColour(cr, husk.darker(0.4));
    cairo_set_line_width(cr, line * 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    outline(cr, line * 0.6);
    // The light inside shows where no lobe covers it; the outer lobes go first, so that the
    // inner ones overlap them.
    capsuleSilhouettePath(cr, rx, ry);
    setColour(cr, inner);
    cairo_fill(cr);
    const double lobes[][2] = {{-OUTER_LOBE_CENTRE, OUTER_LOBE_HALF_WIDTH},
                               {OUTER_LOBE_CENTRE, OUTER_LOBE_HALF_WIDTH},
                               {-0.2, 0.4},
                               {0.2, 0.4}};
    for (const auto& l : lobes) {
        lobePath(cr, ry, l[0] * rx, l[1] * rx);
        fillBall(cr, husk, -rx * 0.35, -ry * 0.35, ry * 1.1);
        setColour(cr, inner.withAlpha(0.85));
        cairo_set_line_width(cr, line * 0.9);
        cairo_stroke(cr);
        gloss(cr, (l[0] - l[1] * 0.45) * rx, -ry * 0.2, l[1] * rx * 0.22, ry * 0.45, 0.35);
    }
    capsuleSilhouettePath(cr, rx, ry);
    outline(cr, line);
}

const Colour POD_HUSK = rgb(0x8A4FC2);
const Colour POD_LIGHT = rgb(0xFF6FD8);

void crackPath(cairo_t* cr, double x, double y, double angle, double length, int depth) {
    cairo_move_to(cr, x, y);
    double cx = x, cy = y;
    for (int k = 1; k <= 4; ++k) {
        const double a = angle + (k % 2 ? 0.5 : -0.5);
        cx += std::cos(a) * length / 4;
        cy += std::sin(a) * length / 4;
        cairo_line_to(cr, cx, cy);
        if (depth > 0 && k == 2) {
            crackPath(cr, cx, cy, angle + 0.9, length * 0.4, depth - 1);
            cairo_move_to(cr, cx, cy);
        }
    }
}

}  // namespace

void paintColouredZelbin(cairo_t* cr, int colour, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 76, h / 76);
    drawZelbin(cr, ZelbinLook{paletteColour(colour)}, flapOfFrame(index));
}

void paintZelbinRed(cairo_t* cr, int index, double w, double h) { paintColouredZelbin(cr, 0, index, w, h); }
void paintZelbinOrange(cairo_t* cr, int index, double w, double h) { paintColouredZelbin(cr, 1, index, w, h); }
void paintZelbinYellow(cairo_t* cr, int index, double w, double h) { paintColouredZelbin(cr, 2, index, w, h); }
void paintZelbinGreen(cairo_t* cr, int index, double w, double h) { paintColouredZelbin(cr, 3, index, w, h); }
void paintZelbinCyan(cairo_t* cr, int index, double w, double h) { paintColouredZelbin(cr, 4, index, w, h); }

// 256 frames: group k (frames 8k to 8k + 7, the flap) heads along angle k * 2 pi / 32 of the
// field, clockwise from +x with y growing downwards, the top of the bell leading.
void paintZelbinAttack(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index / 8, 32) + PI / 2);  // the bell's top, drawn upwards, to the heading
    cairo_scale(cr, w / 76, h / 76);
    drawZelbin(cr, ZelbinLook{rgb(0xFF4FD8), Headgear::None, true}, flapOfFrame(index % 8));
}

void paintZelbinSarge(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2 + 4);
    cairo_scale(cr, w / 78, h / 78);
    drawZelbin(cr, ZelbinLook{rgb(0x8FD14F), Headgear::Helmet, true}, flapOfFrame(index));
}

void paintZelbinBoss(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2 + 8);
    cairo_scale(cr, w / 78, h / 78);
    drawZelbin(cr, ZelbinLook{rgb(0x9B4DFF), Headgear::Crown, true}, flapOfFrame(index));
}

void paintZelbinIntroRight(cairo_t* cr, int index, double w, double h) { paintIntroZelbin(cr, index, w, h, false, 0); }
void paintZelbinIntroLeft(cairo_t* cr, int index, double w, double h) { paintIntroZelbin(cr, index, w, h, true, 0); }
void paintZelbinIntroFast(cairo_t* cr, int index, double w, double h) { paintIntroZelbin(cr, index, w, h, false, 3); }
void paintZelbinIntroFaster(cairo_t* cr, int index, double w, double h) { paintIntroZelbin(cr, index, w, h, false, 6); }

// A red zelbin floating down under a striped umbrella that sways with the frames, its fins
// paddling slowly; the handle hooks onto the top of its bell.
void paintUmbrella(cairo_t* cr, int index, double w, double h) {
    const double sway = (index / 7.0 - 0.5) * 0.35;
    cairo_translate(cr, w / 2, h * 0.74);
    cairo_scale(cr, w / 64, w / 64);
    cairo_save(cr);
    cairo_rotate(cr, sway);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -12);
    cairo_line_to(cr, 0, -40);
    setColour(cr, INK);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_translate(cr, 0, -38);
    auto canopy = [cr] {
        cairo_new_path(cr);
        cairo_save(cr);
        cairo_scale(cr, 1, 0.72);
        cairo_arc(cr, 0, 0, 29, PI, 2 * PI);
        cairo_restore(cr);
        for (int scallop = 0; scallop < 6; ++scallop) {
            const double x1 = 29 - scallop * 58.0 / 6, x2 = x1 - 58.0 / 6;
            cairo_curve_to(cr, x1 - 2, 5, x2 + 2, 5, x2, 0);
        }
        cairo_close_path(cr);
    };
    canopy();
    cairo_save(cr);
    cairo_clip(cr);
    for (int stripe = 0; stripe < 6; ++stripe) {
        const double a0 = PI + stripe * PI / 6, a1 = a0 + PI / 6;
        cairo_move_to(cr, 0, 4);
        cairo_line_to(cr, std::cos(a0) * 60, std::sin(a0) * 60 + 4);
        cairo_line_to(cr, std::cos(a1) * 60, std::sin(a1) * 60 + 4);
        cairo_close_path(cr);
        fillVertical(cr, (stripe % 2 ? WHITE : rgb(0xFF3B3B)), (stripe % 2 ? rgb(0xD8D0E8) : rgb(0xC0202A)), -22, 4);
        cairo_new_path(cr);
    }
    gloss(cr, -10, -13, 9, 4, 0.5);
    cairo_restore(cr);
    canopy();
    outline(cr, 2);
    cairo_restore(cr);
    cairo_scale(cr, 0.74, 0.74);
    drawZelbin(cr, ZelbinLook{paletteColour(0)}, 0.2 + 0.5 * flapOfFrame(index));
}

// Frames run the ring of lights round the rim.
void paintFlyingSaucer(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2 + 4);
    cairo_scale(cr, w / 96, h / 48);
    ellipsePath(cr, 0, -8, 16, 14);
    fillBall(cr, rgb(0x9FF3FF).withAlpha(0.85), -4, -12, 16);
    outline(cr, 1.8);
    cairo_save(cr);
    cairo_translate(cr, 0, -8);
    cairo_scale(cr, 0.35, 0.35);
    drawZelbin(cr, ZelbinLook{paletteColour(3)}, 0.5);
    cairo_restore(cr);
    gloss(cr, -6, -14, 6, 3, 0.7);
    ellipsePath(cr, 0, 4, 44, 11);
    fillVertical(cr, rgb(0xE6EAF2), rgb(0x6C7590), -7, 15);
    outline(cr, 2.2);
    ellipsePath(cr, 0, 1, 38, 5);
    setColour(cr, rgb(0xFFFFFF).withAlpha(0.45));
    cairo_fill(cr);
    for (int light = 0; light < 7; ++light) {
        const double x = -33 + light * 11;
        const bool bLit = (light + index) % 3 == 0;
        const Colour c = bLit ? rgb(0xFFF25A) : rgb(0xFF5AA8);
        if (bLit) glowSpot(cr, x, 7, 6, c.withAlpha(0.8));
        circlePath(cr, x, 7, 2.6);
        setColour(cr, c);
        cairo_fill_preserve(cr);
        outline(cr, 1);
    }
}

// Crack stages 0 (whole) to 6 (about to burst) of a giant ribbed cocoon: each stage adds a
// fracture, and the light inside shines through them ever brighter.
void paintMotherPod(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2 + 8);
    cairo_scale(cr, w / 192, h / 192);
    glowSpot(cr, 0, 0, 96, POD_LIGHT.withAlpha(0.25 + 0.06 * index));
    drawSeedCapsule(cr, 64, 78, POD_HUSK.darker(0.1), POD_LIGHT);
    cairo_save(cr);
    capsuleSilhouettePath(cr, 60, 74);
    cairo_clip(cr);
    const double starts[][2] = {{-20, -56}, {30, -36}, {-40, 10}, {38, 24}, {0, 50}, {-10, -20}};
    cairo_new_path(cr);
    for (int crack = 0; crack < index && crack < 6; ++crack)
        crackPath(cr, starts[crack][0], starts[crack][1], 1.2 + crack * 1.3, 55 + crack * 8, 1);
    if (index > 0) {
        setColour(cr, rgb(0xFFE45F).withAlpha(0.3 + 0.1 * index));
        cairo_set_line_width(cr, 10);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        setColour(cr, WHITE.withAlpha(0.9));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    if (index >= 4) glowSpot(cr, 0, 0, 20 + index * 8, rgb(0xFFE45F).withAlpha(0.15 * (index - 3)));
}

// Frame 0: the capsule in flight; frames 1 to 7: it bursts on the ground, its glowing sap
// spreading and fading while bits of its husk fly apart.
void paintPod(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 32, h / 32);
    if (index == 0) {
        glowSpot(cr, 0, 0, 15, POD_LIGHT.withAlpha(0.7));
        drawSeedCapsule(cr, 7.5, 11, POD_HUSK.lighter(0.3), POD_LIGHT.lighter(0.3));
        return;
    }
    const double t = (index - 1) / 6.0;
    const double fade = 1 - t * 0.85;
    cairo_save(cr);
    cairo_translate(cr, 0, 7);
    cairo_scale(cr, 1, 0.45);
    starPath(cr, 0, 0, 7, 8 + 7 * t, 5 + 6 * t, index * 0.4);
    setColour(cr, POD_LIGHT.withAlpha(0.55 * fade));
    cairo_fill(cr);
    circlePath(cr, 0, 0, 4 + 4 * t);
    setColour(cr, POD_LIGHT.lighter(0.6).withAlpha(0.8 * fade));
    cairo_fill(cr);
    cairo_restore(cr);
    for (int shard = 0; shard < 4; ++shard) {
        const double a = -PI * (0.15 + 0.23 * shard), d = 3 + 10 * t;
        cairo_save(cr);
        cairo_translate(cr, std::cos(a) * d, std::sin(a) * d * 0.8 + 4 + 6 * t * t);
        cairo_rotate(cr, shard + 3 * t);
        cairo_new_path(cr);
        cairo_move_to(cr, -2.5, -1);
        cairo_curve_to(cr, -1, -2.5, 1, -2.5, 2.5, -1);
        cairo_line_to(cr, 1.5, 1.2);
        cairo_line_to(cr, -1.5, 1.2);
        cairo_close_path(cr);
        setColour(cr, POD_HUSK.withAlpha(fade));
        cairo_fill_preserve(cr);
        setColour(cr, INK.withAlpha(fade));
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void paintBigPod(cairo_t* cr, int, double w, double h) {
    cairo_translate(cr, w / 2, h / 2 + 3);
    cairo_scale(cr, w / 96, h / 96);
    glowSpot(cr, 0, 0, 46, POD_LIGHT.withAlpha(0.35));
    drawSeedCapsule(cr, 27, 38, POD_HUSK, POD_LIGHT);
}

// A tumbling rock: the frames turn it once round.
void paintAsteroid(cairo_t* cr, int index, double w, double h) {
    const double r = std::min(w, h) / 2 - 3;
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index, 16));
    cairo_new_path(cr);
    for (int k = 0; k < 12; ++k) {
        const double a = k * PI / 6;
        const double d = r * (0.82 + 0.18 * tiledNoise(k * 1.7, 3.1, 64, 11));
        cairo_line_to(cr, std::cos(a) * d, std::sin(a) * d);
    }
    cairo_close_path(cr);
    fillBall(cr, rgb(0xA8825F), 0, 0, r);
    outline(cr, std::max(1.5, r / 14));
    const double craters[][3] = {{-0.3, -0.25, 0.22}, {0.35, 0.1, 0.16}, {-0.1, 0.4, 0.13}, {0.2, -0.45, 0.1}};
    for (const auto& c : craters) {
        circlePath(cr, c[0] * r, c[1] * r, c[2] * r);
        setColour(cr, rgb(0x6E4F36));
        cairo_fill(cr);
        circlePath(cr, c[0] * r + c[2] * r * 0.2, c[1] * r + c[2] * r * 0.2, c[2] * r * 0.75);
        setColour(cr, rgb(0x8C6A4C));
        cairo_fill(cr);
    }
}

// A tumbling chunk of ice, the second asteroid material: clear blue facets with frost along the
// rim and a cold light inside. The frames turn its outline once round; the light stays top left.
void paintIceAsteroid(cairo_t* cr, int index, double w, double h) {
    const double r = std::min(w, h) / 2 - 3;
    const double turn = rotationOfFrame(index, 16);
    constexpr int CORNERS = 11;
    double cornerX[CORNERS], cornerY[CORNERS];
    for (int k = 0; k < CORNERS; ++k) {
        const double a = turn + k * 2 * PI / CORNERS + 0.35 * (tiledNoise(k * 2.3, 7.7, 64, 29) - 0.5);
        const double d = r * (0.62 + 0.38 * tiledNoise(k * 3.1, 1.3, 64, 23));
        cornerX[k] = std::cos(a) * d;
        cornerY[k] = std::sin(a) * d;
    }
    cairo_translate(cr, w / 2, h / 2);
    glowSpot(cr, 0, 0, r * 1.1, rgb(0x9FE8FF).withAlpha(0.3));
    cairo_new_path(cr);
    for (int k = 0; k < CORNERS; ++k) cairo_line_to(cr, cornerX[k], cornerY[k]);
    cairo_close_path(cr);
    cairo_pattern_t* body = cairo_pattern_create_radial(-r * 0.3, -r * 0.35, r * 0.05, 0, 0, r);
    cairo_pattern_add_color_stop_rgba(body, 0, 0.95, 1.0, 1.0, 0.95);
    cairo_pattern_add_color_stop_rgba(body, 0.5, 0.6, 0.86, 0.98, 0.85);
    cairo_pattern_add_color_stop_rgba(body, 1, 0.2, 0.42, 0.8, 0.92);
    cairo_set_source(cr, body);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(body);
    setColour(cr, WHITE.withAlpha(0.7));
    cairo_set_line_width(cr, std::max(2.0, r / 7));
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    outline(cr, std::max(1.2, r / 16));
    // Facet edges from an off-centre ridge to every third corner, and a frost crack.
    const double ridgeX = std::cos(turn + 2) * r * 0.2, ridgeY = std::sin(turn + 2) * r * 0.2;
    cairo_new_path(cr);
    for (int k = 0; k < CORNERS; k += 3) {
        cairo_move_to(cr, ridgeX, ridgeY);
        cairo_line_to(cr, cornerX[k] * 0.92, cornerY[k] * 0.92);
    }
    cairo_move_to(cr, cornerX[5] * 0.9, cornerY[5] * 0.9);
    cairo_line_to(cr, cornerX[5] * 0.5 + cornerY[5] * 0.15, cornerY[5] * 0.5 - cornerX[5] * 0.15);
    cairo_line_to(cr, cornerX[5] * 0.3, cornerY[5] * 0.3);
    setColour(cr, WHITE.withAlpha(0.6));
    cairo_set_line_width(cr, std::max(0.8, r / 22));
    cairo_stroke(cr);
    starPath(cr, -r * 0.32, -r * 0.32, 4, r * 0.2, r * 0.05, 0.3);
    setColour(cr, WHITE.withAlpha(0.9));
    cairo_fill(cr);
}
