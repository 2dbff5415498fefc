// The players' fighters, their engine flames and shield, and everything they fire.
#include <cmath>
#include "Pictures.h"

double rotationOfFrame(int index, int count) { return 2 * PI * index / count; }

namespace {

struct Livery {
    Colour hull, stripe, canopy;
};

const Livery BLUE_LIVERY{rgb(0xE8F0FF), rgb(0x2F7BFF), rgb(0x5FF3FF)};
const Livery RED_LIVERY{rgb(0xFFF2E8), rgb(0xFF3D4F), rgb(0xFFE45F)};

// The fighter seen from above, nose up, centred on the origin and 56 units long; `bank` runs
// from -1 (hard left) to 1 (hard right). Rolling narrows the ship (the engine pods come in to
// where the game puts the flames), darkens the wing that dips and lights the one that rises,
// and turns the canopy towards the turn.
void drawFighter(cairo_t* cr, const Livery& livery, double bank) {
    const double squeeze = 1 - 0.4 * std::fabs(bank);
    const double roll = bank * 4;
    cairo_save(cr);
    cairo_scale(cr, squeeze, 1);
    for (int side = -1; side <= 1; side += 2) {
        const double dip = side * bank;  // > 0: this wing goes down
        cairo_new_path(cr);
        cairo_move_to(cr, side * 5, -8);
        cairo_line_to(cr, side * 27, 12 + 3 * dip);
        cairo_line_to(cr, side * 26, 19 + 3 * dip);
        cairo_line_to(cr, side * 6, 14);
        cairo_close_path(cr);
        const Colour wing = dip > 0 ? livery.stripe.darker(0.45 * dip) : livery.stripe.lighter(-0.35 * dip);
        fillVertical(cr, wing.lighter(0.15), wing.darker(0.35), -8, 19);
        outline(cr, 2.2);
        cairo_new_path(cr);
        cairo_move_to(cr, side * 12, 4);
        cairo_line_to(cr, side * 24, 14 + 3 * dip);
        setColour(cr, WHITE.withAlpha(0.6 - 0.4 * std::max(0.0, dip)));
        cairo_set_line_width(cr, 1.6);
        cairo_stroke(cr);
    }
    // Engine pods where the flames come out.
    for (int side = -1; side <= 1; side += 2) {
        roundedRectPath(cr, side * 20 - 4, 8, 8, 20, 3);
        fillVertical(cr, rgb(0xB8C4D8), rgb(0x5A6378), 8, 28);
        outline(cr, 2);
    }
    // Fuselage.
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -28);
    cairo_curve_to(cr, 8, -18, 9, 8, 7, 24);
    cairo_line_to(cr, -7, 24);
    cairo_curve_to(cr, -9, 8, -8, -18, 0, -28);
    cairo_close_path(cr);
    fillBall(cr, livery.hull, -2 + roll, -6, 26);
    outline(cr, 2.4);
    cairo_new_path(cr);
    cairo_move_to(cr, roll * 0.5, -26);
    cairo_line_to(cr, roll, 22);
    setColour(cr, livery.stripe);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // Canopy.
    ellipsePath(cr, roll, -8, 4.5, 9);
    fillBall(cr, livery.canopy, roll - 1, -10, 8);
    outline(cr, 1.8);
    gloss(cr, roll - 1.5, -12, 2, 4, 0.8);
    cairo_restore(cr);
}

// The fighter from the side, nose pointing right, centred, 80 units long.
void drawFighterSide(cairo_t* cr, const Livery& livery) {
    cairo_new_path(cr);
    cairo_move_to(cr, 40, 2);
    cairo_curve_to(cr, 30, -8, 10, -10, -20, -8);
    cairo_line_to(cr, -36, -18);
    cairo_line_to(cr, -40, -16);
    cairo_line_to(cr, -38, 6);
    cairo_curve_to(cr, -20, 10, 20, 10, 40, 2);
    cairo_close_path(cr);
    fillBall(cr, livery.hull, 0, -6, 42);
    outline(cr, 2.4);
    cairo_new_path(cr);
    cairo_move_to(cr, 34, 3);
    cairo_line_to(cr, -36, 3);
    setColour(cr, livery.stripe);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -4, 4);
    cairo_line_to(cr, -24, 14);
    cairo_line_to(cr, -30, 14);
    cairo_line_to(cr, -22, 4);
    cairo_close_path(cr);
    fillVertical(cr, livery.stripe.lighter(0.2), livery.stripe.darker(0.3), 4, 14);
    outline(cr, 2);
    ellipsePath(cr, 12, -7, 10, 5);
    fillBall(cr, livery.canopy, 10, -9, 9);
    outline(cr, 1.8);
    gloss(cr, 9, -9, 5, 1.6, 0.8);
    roundedRectPath(cr, -42, -4, 6, 10, 2);
    setColour(cr, rgb(0x5A6378));
    cairo_fill_preserve(cr);
    outline(cr, 1.6);
}

void paintFighter(cairo_t* cr, const Livery& livery, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    drawFighter(cr, livery, (index - 4) / 4.0);
}

// A glowing shard, pointing up, of half length `length`.
void drawCrystal(cairo_t* cr, double x, double length, double width, Colour c) {
    cairo_new_path(cr);
    cairo_move_to(cr, x, -length);
    cairo_line_to(cr, x + width, 0);
    cairo_line_to(cr, x, length * 0.8);
    cairo_line_to(cr, x - width, 0);
    cairo_close_path(cr);
    glowStroke(cr, c.withAlpha(0.8), 2);
    cairo_move_to(cr, x, -length);
    cairo_line_to(cr, x + width, 0);
    cairo_line_to(cr, x, length * 0.8);
    cairo_line_to(cr, x - width, 0);
    cairo_close_path(cr);
    fillVertical(cr, WHITE, c, -length, length);
    cairo_new_path(cr);
}

void zigzagPath(cairo_t* cr, double w, double h, int zigs) {
    cairo_new_path(cr);
    const double margin = w * 0.3;
    for (int i = 0; i <= zigs; ++i) {
        const double y = h * 0.12 + (h * 0.76) * i / zigs;
        const double x = i % 2 ? w - margin : margin;
        if (i == 0) cairo_move_to(cr, w / 2, y);
        else cairo_line_to(cr, i == zigs ? w / 2 : x, y);
    }
}

}  // namespace

void paintFighter0(cairo_t* cr, int index, double w, double h) { paintFighter(cr, BLUE_LIVERY, index, w, h); }
void paintFighter1(cairo_t* cr, int index, double w, double h) { paintFighter(cr, RED_LIVERY, index, w, h); }

void paintFighter360(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index, 32));
    cairo_scale(cr, w / 78, h / 78);  // the engine pods stay inside the frame at every heading
    drawFighter(cr, BLUE_LIVERY, 0);
}

void paintFighterSideView(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    if (index == 0) cairo_scale(cr, -1, 1);  // frame 0 faces left
    cairo_scale(cr, w / 96, h / 48);
    drawFighterSide(cr, BLUE_LIVERY);
}

// Frame = flame level 0 (a pilot light) to 6 (afterburner); the nozzle is at the frame centre
// and the flame points down from it.
void paintEngineFlame(cairo_t* cr, int index, double w, double h) {
    const double length = 6 + index * (h / 2 - 8) / 6.0;
    const double top = h / 2 - 2;
    const double half = w / 2 - 1;
    struct Layer {
        double widthFactor, lengthFactor;
        Colour colour;
    };
    const Layer layers[] = {{1.0, 1.0, rgb(0xFF5A1F).withAlpha(0.75)},
                            {0.7, 0.75, rgb(0xFFC21F)},
                            {0.38, 0.45, rgb(0xFFFFE0)}};
    for (const Layer& layer : layers) {
        cairo_new_path(cr);
        const double hw = half * layer.widthFactor, len = length * layer.lengthFactor;
        cairo_move_to(cr, w / 2 - hw, top);
        cairo_curve_to(cr, w / 2 - hw, top + len * 0.5, w / 2 - hw * 0.2, top + len * 0.8, w / 2, top + len);
        cairo_curve_to(cr, w / 2 + hw * 0.2, top + len * 0.8, w / 2 + hw, top + len * 0.5, w / 2 + hw, top);
        cairo_close_path(cr);
        fillVertical(cr, layer.colour, layer.colour.withAlpha(0.1), top, top + len);
        cairo_new_path(cr);
    }
}

// Frames 0 to 10: the bubble pulses and its honeycomb turns.
void paintShield(cairo_t* cr, int index, double w, double h) {
    const double phase = index / 10.0;
    const double r = w / 2 - 6;
    const Colour cyan = rgb(0x6FF7FF);
    cairo_translate(cr, w / 2, h / 2);
    cairo_pattern_t* fill = cairo_pattern_create_radial(0, 0, r * 0.5, 0, 0, r);
    cairo_pattern_add_color_stop_rgba(fill, 0, cyan.r, cyan.g, cyan.b, 0.0);
    cairo_pattern_add_color_stop_rgba(fill, 0.8, cyan.r, cyan.g, cyan.b, 0.18 + 0.1 * phase);
    cairo_pattern_add_color_stop_rgba(fill, 1, 1, 1, 1, 0.55);
    cairo_set_source(cr, fill);
    circlePath(cr, 0, 0, r);
    cairo_fill(cr);
    cairo_pattern_destroy(fill);
    cairo_save(cr);
    circlePath(cr, 0, 0, r);
    cairo_clip(cr);
    cairo_rotate(cr, phase * PI / 3);
    setColour(cr, WHITE.withAlpha(0.22 + 0.2 * phase));
    cairo_set_line_width(cr, 1.2);
    const double cell = 12;
    for (int row = -5; row <= 5; ++row)
        for (int col = -5; col <= 5; ++col) {
            const double cx = col * cell * 1.5, cy = row * cell * 1.732 + (col % 2 ? cell * 0.866 : 0);
            cairo_new_sub_path(cr);
            for (int k = 0; k < 6; ++k) cairo_line_to(cr, cx + cell * 0.9 * std::cos(k * PI / 3), cy + cell * 0.9 * std::sin(k * PI / 3));
            cairo_close_path(cr);
        }
    cairo_stroke(cr);
    cairo_restore(cr);
    circlePath(cr, 0, 0, r);
    glowStroke(cr, cyan.withAlpha(0.7 + 0.3 * phase), 2);
    gloss(cr, -r * 0.4, -r * 0.45, r * 0.35, r * 0.2, 0.5);
}

void paintCrystal(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index, 32));
    drawCrystal(cr, 0, h * 0.36, w * 0.12, rgb(0x42F5B0));
}

void paintCrystalDouble(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index, 32));
    drawCrystal(cr, -w * 0.14, h * 0.36, w * 0.09, rgb(0xFF5AF0));
    drawCrystal(cr, w * 0.14, h * 0.36, w * 0.09, rgb(0xFF5AF0));
}

void paintZigzag(cairo_t* cr, int, double w, double h) {
    zigzagPath(cr, w, h, 5);
    glowStroke(cr, rgb(0xB6FF3A), std::max(2.0, w / 8));
}

void paintZigzagPurple(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index, 32));
    cairo_translate(cr, -w / 2, -h / 2);
    zigzagPath(cr, w, h, 4);
    glowStroke(cr, rgb(0xC25BFF), 2.5);
}

void paintMissile(cairo_t* cr, int index, double w, double h) {
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, rotationOfFrame(index, 32));
    cairo_scale(cr, w / 32, h / 32);
    for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, side * 3, 4);
        cairo_line_to(cr, side * 8, 12);
        cairo_line_to(cr, side * 3, 11);
        cairo_close_path(cr);
        setColour(cr, rgb(0xFF3D4F));
        cairo_fill_preserve(cr);
        outline(cr, 1.4);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -13);
    cairo_curve_to(cr, 4, -9, 4, 6, 3.5, 12);
    cairo_line_to(cr, -3.5, 12);
    cairo_curve_to(cr, -4, 6, -4, -9, 0, -13);
    cairo_close_path(cr);
    fillBall(cr, rgb(0xF4F4F4), -1, -4, 12);
    outline(cr, 1.6);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -13);
    cairo_curve_to(cr, 3, -10, 3.4, -8, 3.6, -6);
    cairo_line_to(cr, -3.6, -6);
    cairo_curve_to(cr, -3.4, -8, -3, -10, 0, -13);
    setColour(cr, rgb(0xFF3D4F));
    cairo_fill(cr);
    glowSpot(cr, 0, 14, 4, rgb(0xFFD23F));
}

// Three beam widths; the game stretches each frame to the beam's length.
TexturePicture makeLaser(const TextureRecipe& recipe) {
    std::vector<FrameRect> sizes;
    for (int i = 0; i < recipe.frameCount; ++i) sizes.push_back(FrameRect{0, 0, recipe.frameWidth + 8 * i, recipe.frameHeight});
    return paintSheet(sizes, [](cairo_t* cr, int, double w, double h) {
        cairo_pattern_t* beam = cairo_pattern_create_linear(0, 0, w, 0);
        const Colour pink = rgb(0xFF2E88);
        cairo_pattern_add_color_stop_rgba(beam, 0, pink.r, pink.g, pink.b, 0);
        cairo_pattern_add_color_stop_rgba(beam, 0.25, pink.r, pink.g, pink.b, 0.7);
        cairo_pattern_add_color_stop_rgba(beam, 0.42, 1, 0.85, 0.95, 1);
        cairo_pattern_add_color_stop_rgba(beam, 0.5, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(beam, 0.58, 1, 0.85, 0.95, 1);
        cairo_pattern_add_color_stop_rgba(beam, 0.75, pink.r, pink.g, pink.b, 0.7);
        cairo_pattern_add_color_stop_rgba(beam, 1, pink.r, pink.g, pink.b, 0);
        cairo_set_source(cr, beam);
        cairo_rectangle(cr, 0, 0, w, h);
        cairo_fill(cr);
        cairo_pattern_destroy(beam);
    });
}
