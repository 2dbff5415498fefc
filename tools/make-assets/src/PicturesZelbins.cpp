// The zelbins, round winged aliens, in every pose, and the other enemies.
#include <cmath>
#include "Pictures.h"

namespace {

enum class Headgear { None, Helmet, Crown };

struct ZelbinLook {
    Colour body;
    Headgear headgear = Headgear::None;
    bool bAngry = false;
};

// A zelbin facing the viewer, centred, about 52 units across; `flap` 0 = wings up, 1 = down.
void drawZelbin(cairo_t* cr, const ZelbinLook& look, double flap) {
    const double wingAngle = (-0.7 + 1.3 * flap);
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, side * 12, -2);
        cairo_rotate(cr, side * wingAngle);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -4);
        cairo_curve_to(cr, side * 10, -16, side * 22, -12, side * 24, -4);
        cairo_curve_to(cr, side * 18, -2, side * 20, 2, side * 14, 4);
        cairo_curve_to(cr, side * 10, 6, side * 4, 6, 0, 4);
        cairo_close_path(cr);
        fillVertical(cr, look.body.lighter(0.5), look.body.darker(0.15), -14, 6);
        outline(cr, 2);
        cairo_restore(cr);
    }
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, side * 6, 14);
        cairo_line_to(cr, side * 7, 23);
        cairo_line_to(cr, side * 10, 24);
        setColour(cr, rgb(0xFF9A1F));
        cairo_set_line_width(cr, 4.5);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke_preserve(cr);
        setColour(cr, INK);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
    }
    ellipsePath(cr, 0, 2, 16, 15);
    fillBall(cr, look.body, 0, 2, 16);
    outline(cr, 2.4);
    ellipsePath(cr, 0, 8, 9, 7);
    setColour(cr, look.body.lighter(0.6).withAlpha(0.8));
    cairo_fill(cr);
    // Tuft.
    cairo_new_path(cr);
    cairo_move_to(cr, -2, -12);
    cairo_curve_to(cr, -6, -20, 0, -22, 1, -18);
    cairo_curve_to(cr, 3, -22, 8, -19, 2, -12);
    setColour(cr, look.body.darker(0.2));
    cairo_fill_preserve(cr);
    outline(cr, 1.6);
    for (int side = -1; side <= 1; side += 2) {
        ellipsePath(cr, side * 6, -3, 5, 6);
        setColour(cr, WHITE);
        cairo_fill_preserve(cr);
        outline(cr, 1.6);
        circlePath(cr, side * 5.2, -1.5, 2.6);
        setColour(cr, INK);
        cairo_fill(cr);
        circlePath(cr, side * 4.3, -2.6, 0.9);
        setColour(cr, WHITE);
        cairo_fill(cr);
        if (look.bAngry) {
            cairo_new_path(cr);
            cairo_move_to(cr, side * 11, -10);
            cairo_line_to(cr, side * 2, -6);
            outline(cr, 2.4);
        }
    }
    cairo_new_path(cr);
    cairo_move_to(cr, -3.5, 3);
    cairo_line_to(cr, 3.5, 3);
    cairo_line_to(cr, 0, 8);
    cairo_close_path(cr);
    setColour(cr, rgb(0xFFB21F));
    cairo_fill_preserve(cr);
    outline(cr, 1.4);
    gloss(cr, -7, -8, 4, 2.5, 0.5);
    if (look.headgear == Headgear::Helmet) {
        cairo_new_path(cr);
        cairo_arc(cr, 0, -9, 13, PI, 2 * PI);
        cairo_line_to(cr, 16, -8);
        cairo_line_to(cr, -16, -8);
        cairo_close_path(cr);
        fillBall(cr, rgb(0x6B8E3A), -3, -14, 14);
        outline(cr, 2);
        starPath(cr, 0, -14, 5, 4, 1.8, 0);
        setColour(cr, rgb(0xFFE11F));
        cairo_fill_preserve(cr);
        outline(cr, 1);
        for (int stripe = 0; stripe < 3; ++stripe) {
            cairo_new_path(cr);
            cairo_move_to(cr, -20, 4 + stripe * 3.2);
            cairo_line_to(cr, -16, 1 + stripe * 3.2);
            cairo_line_to(cr, -12, 4 + stripe * 3.2);
            setColour(cr, rgb(0xFFE11F));
            cairo_set_line_width(cr, 1.8);
            cairo_stroke(cr);
        }
    } else if (look.headgear == Headgear::Crown) {
        cairo_new_path(cr);
        cairo_move_to(cr, -10, -11);
        cairo_line_to(cr, -12, -22);
        cairo_line_to(cr, -5, -16);
        cairo_line_to(cr, 0, -25);
        cairo_line_to(cr, 5, -16);
        cairo_line_to(cr, 12, -22);
        cairo_line_to(cr, 10, -11);
        cairo_close_path(cr);
        fillVertical(cr, rgb(0xFFF27A), rgb(0xE0A000), -25, -11);
        outline(cr, 1.6);
        circlePath(cr, 0, -15, 1.8);
        setColour(cr, rgb(0xFF2E88));
        cairo_fill(cr);
    }
}

// Ping-pong flapping: the chain's frames run up and down, so frame 0 is wings up, the last down.
double flapOfFrame(int index) { return index / 7.0; }

// Speed lines trailing behind a flier moving right.
void drawSpeedLines(cairo_t* cr, int count, double length) {
    for (int i = 0; i < count; ++i) {
        const double y = -14 + 28.0 * i / std::max(1, count - 1);
        cairo_new_path(cr);
        cairo_move_to(cr, -20, y);
        cairo_line_to(cr, -20 - length * (0.6 + 0.4 * ((i * 37) % 5) / 4.0), y);
        setColour(cr, WHITE.withAlpha(0.75));
        cairo_set_line_width(cr, 1.6);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
}

// A zelbin from the side, beak to the right.
void drawZelbinSide(cairo_t* cr, Colour body, double flap) {
    cairo_save(cr);
    cairo_translate(cr, -2, -4);
    cairo_rotate(cr, -0.9 + 1.6 * flap);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, 0);
    cairo_curve_to(cr, -6, -14, -20, -18, -24, -10);
    cairo_curve_to(cr, -18, -6, -12, 0, 0, 4);
    cairo_close_path(cr);
    fillVertical(cr, body.lighter(0.5), body, -18, 4);
    outline(cr, 2);
    cairo_restore(cr);
    ellipsePath(cr, 0, 2, 15, 13);
    fillBall(cr, body, 0, 2, 15);
    outline(cr, 2.2);
    ellipsePath(cr, 7, -3, 4.5, 5.5);
    setColour(cr, WHITE);
    cairo_fill_preserve(cr);
    outline(cr, 1.4);
    circlePath(cr, 9, -2, 2.4);
    setColour(cr, INK);
    cairo_fill(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, 13, 1);
    cairo_line_to(cr, 21, 4);
    cairo_line_to(cr, 13, 7);
    cairo_close_path(cr);
    setColour(cr, rgb(0xFFB21F));
    cairo_fill_preserve(cr);
    outline(cr, 1.4);
    gloss(cr, -4, -6, 4, 2.5, 0.5);
}

void paintIntroZelbin(cairo_t* cr, int index, double w, double h, bool bLeft, int speedLines) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, (bLeft ? -1 : 1) * w / 64, h / 64);
    cairo_translate(cr, speedLines > 0 ? 6 : 0, 0);
    drawSpeedLines(cr, speedLines, 6.0 + speedLines * 2);
    drawZelbinSide(cr, paletteColour(0), flapOfFrame(index));
}

void drawEgg(cairo_t* cr, double rx, double ry, Colour shell) {
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -ry);
    cairo_curve_to(cr, rx * 0.9, -ry, rx * 1.05, ry * 0.1, rx, ry * 0.35);
    cairo_curve_to(cr, rx * 0.9, ry * 1.0, -rx * 0.9, ry * 1.0, -rx, ry * 0.35);
    cairo_curve_to(cr, -rx * 1.05, ry * 0.1, -rx * 0.9, -ry, 0, -ry);
    cairo_close_path(cr);
    fillBall(cr, shell, -rx * 0.1, -ry * 0.1, std::max(rx, ry));
    outline(cr, std::max(1.5, rx / 8));
    for (int spot = 0; spot < 5; ++spot) {
        const double a = spot * 2.1 + 0.4, d = 0.45 + 0.1 * (spot % 3);
        ellipsePath(cr, std::cos(a) * rx * d, std::sin(a) * ry * d + ry * 0.1, rx * 0.13, ry * 0.1);
        setColour(cr, rgb(0x9B59FF).withAlpha(0.75));
        cairo_fill(cr);
    }
    gloss(cr, -rx * 0.35, -ry * 0.45, rx * 0.25, ry * 0.18, 0.7);
}

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

// 256 frames: the flap (0..7) plus 8 times the heading (32 directions, frame 0 heading up).
void paintZelbinAttack(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index / 8, 32));
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

// A red zelbin floating down under a striped umbrella that sways with the frames.
void paintUmbrella(cairo_t* cr, int index, double w, double h) {
    const double sway = (index / 7.0 - 0.5) * 0.35;
    cairo_translate(cr, w / 2, h * 0.66);
    cairo_scale(cr, w / 64, w / 64);
    cairo_save(cr);
    cairo_rotate(cr, sway);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -6);
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
    cairo_scale(cr, 0.62, 0.62);
    drawZelbin(cr, ZelbinLook{paletteColour(0)}, 0.15);
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

// Crack stages 0 (whole) to 6 (about to burst): each stage adds a crack, and light from
// inside shines through them ever brighter.
void paintMotherPod(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 192, h / 192);
    glowSpot(cr, 0, 10, 96, rgb(0xC25BFF).withAlpha(0.3 + 0.06 * index));
    drawEgg(cr, 66, 84, rgb(0xFFF0FA));
    cairo_save(cr);
    ellipsePath(cr, 0, 4, 62, 80);
    cairo_clip(cr);
    const double starts[][2] = {{-20, -60}, {30, -40}, {-40, 10}, {38, 24}, {0, 50}, {-10, -20}};
    cairo_new_path(cr);
    for (int crack = 0; crack < index && crack < 6; ++crack)
        crackPath(cr, starts[crack][0], starts[crack][1], 1.2 + crack * 1.3, 55 + crack * 8, 1);
    if (index > 0) {
        setColour(cr, rgb(0xFFE45F).withAlpha(0.25 + 0.1 * index));
        cairo_set_line_width(cr, 9);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke_preserve(cr);
        setColour(cr, INK);
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    if (index >= 4) glowSpot(cr, 0, 0, 20 + index * 8, rgb(0xFFE45F).withAlpha(0.15 * (index - 3)));
}

// Frame 0: the pod in flight; frames 1 to 7: its splat on the ground, spreading and fading.
void paintPod(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 32, h / 32);
    if (index == 0) {
        drawEgg(cr, 8, 11, rgb(0xFFF4E0));
        return;
    }
    const double t = (index - 1) / 6.0;
    const double fade = 1 - t * 0.8;
    cairo_save(cr);
    cairo_scale(cr, 1, 0.55);
    starPath(cr, 0, 6, 9, 8 + 7 * t, 5 + 5 * t, index * 0.3);
    setColour(cr, rgb(0xFFF4E0).withAlpha(fade));
    cairo_fill(cr);
    circlePath(cr, 0, 6, 4 + 2 * t);
    setColour(cr, rgb(0xFFB21F).withAlpha(fade));
    cairo_fill(cr);
    cairo_restore(cr);
    for (int bit = 0; bit < 4; ++bit) {
        const double a = -PI * (0.15 + 0.23 * bit);
        const double d = 4 + 10 * t;
        cairo_new_path(cr);
        cairo_move_to(cr, std::cos(a) * d, std::sin(a) * d * 0.8 + 2);
        cairo_rel_line_to(cr, 3, -1);
        cairo_rel_line_to(cr, -1, 3);
        cairo_close_path(cr);
        setColour(cr, WHITE.withAlpha(fade));
        cairo_fill(cr);
    }
}

void paintBigPod(cairo_t* cr, int, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, w / 96, h / 96);
    glowSpot(cr, 0, 0, 46, rgb(0xC25BFF).withAlpha(0.35));
    drawEgg(cr, 30, 40, rgb(0xFFF4E0));
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
