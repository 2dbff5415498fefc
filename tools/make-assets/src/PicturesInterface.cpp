// The HUD, the menu widgets, the logos, the pointer and the language flags.
#include <cmath>
#include "Pictures.h"

namespace {

const Colour PANEL = rgb(0x2A1B4F);
const Colour ACCENT = rgb(0xFF4FD8);
const Colour CYAN = rgb(0x29D8F0);

void drawText(cairo_t* cr, const char* text, double x, double y, double size, Colour fill, bool bCentred) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_ITALIC, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_new_path(cr);
    cairo_move_to(cr, bCentred ? x - extents.width / 2 - extents.x_bearing : x, y);
    cairo_text_path(cr, text);
    setColour(cr, INK);
    cairo_set_line_width(cr, size * 0.18);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke_preserve(cr);
    fillVertical(cr, WHITE, fill, y - size * 0.75, y);
    cairo_new_path(cr);
}

// A bevelled glassy plate: the look every panel, button and box shares.
void drawPlate(cairo_t* cr, double x, double y, double w, double h, double r, Colour base, Colour rim) {
    roundedRectPath(cr, x, y, w, h, r);
    fillVertical(cr, base.lighter(0.2).withAlpha(0.92), base.darker(0.3).withAlpha(0.92), y, y + h);
    setColour(cr, rim);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    roundedRectPath(cr, x + 4, y + 3, w - 8, h * 0.42, std::max(1.0, r - 3));
    setColour(cr, WHITE.withAlpha(0.12));
    cairo_fill(cr);
}

void drawMissileIcon(cairo_t* cr, double w, double h) {
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, PI / 4);
    cairo_translate(cr, -16, -16);
    paintMissile(cr, 0, 32, 32);
    cairo_restore(cr);
}

}  // namespace

// Frame 0 the score panel, 1 the bonus-message plate, 2 the life icon, 3 the missile icon.
TexturePicture makeHud(const TextureRecipe& recipe) {
    const std::vector<FrameRect> sizes = {
        {0, 0, recipe.frameWidth, recipe.frameHeight}, {0, 0, 240, 24}, {0, 0, 20, 20}, {0, 0, 20, 20}};
    return paintSheet(sizes, [](cairo_t* cr, int index, double w, double h) {
        switch (index) {
        case 0:
            drawPlate(cr, 1.5, 1.5, w - 3, h - 3, 14, PANEL, CYAN);
            break;
        case 1:
            // Mid grey: the style colour tints it, and white text stays readable on it.
            drawPlate(cr, 1.5, 1.5, w - 3, h - 3, 10, WHITE.darker(0.55), WHITE.darker(0.1));
            break;
        case 2:
            cairo_translate(cr, w / 2 - 0.5, h / 2 + 0.5);
            cairo_scale(cr, 0.34, 0.34);
            cairo_translate(cr, -32, -32);
            paintFighter0(cr, 4, 64, 64);
            break;
        default:
            drawMissileIcon(cr, w, h);
            break;
        }
    });
}

// Touch buttons: 0 steering pad, 1 pause, 2 weapon switch, 3 missile, 4 fire.
void paintTouchButton(cairo_t* cr, int index, double w, double h) {
    const double r = w / 2 - 4;
    cairo_translate(cr, w / 2, h / 2);
    circlePath(cr, 0, 0, r);
    setColour(cr, PANEL.withAlpha(0.45));
    cairo_fill_preserve(cr);
    glowStroke(cr, (index == 4 ? ACCENT : CYAN).withAlpha(0.85), 2.5);
    setColour(cr, WHITE.withAlpha(0.85));
    switch (index) {
    case 0:
        for (int k = 0; k < 4; ++k) {
            cairo_save(cr);
            cairo_rotate(cr, k * PI / 2);
            cairo_move_to(cr, 0, -r * 0.75);
            cairo_line_to(cr, r * 0.2, -r * 0.5);
            cairo_line_to(cr, -r * 0.2, -r * 0.5);
            cairo_close_path(cr);
            cairo_restore(cr);
        }
        cairo_fill(cr);
        break;
    case 1:
        cairo_rectangle(cr, -r * 0.3, -r * 0.35, r * 0.2, r * 0.7);
        cairo_rectangle(cr, r * 0.1, -r * 0.35, r * 0.2, r * 0.7);
        cairo_fill(cr);
        break;
    case 2:
        cairo_arc(cr, 0, 0, r * 0.45, -PI * 0.9, PI * 0.6);
        cairo_set_line_width(cr, r * 0.12);
        cairo_stroke(cr);
        cairo_move_to(cr, r * 0.45 * std::cos(PI * 0.6) - r * 0.2, r * 0.45 * std::sin(PI * 0.6));
        cairo_rel_line_to(cr, r * 0.3, -r * 0.2);
        cairo_rel_line_to(cr, 0, r * 0.35);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case 3:
        cairo_save(cr);
        cairo_scale(cr, 1.6, 1.6);
        drawMissileIcon(cr, 0, 0);
        cairo_restore(cr);
        break;
    default:
        circlePath(cr, 0, 0, r * 0.45);
        fillBall(cr, ACCENT, 0, 0, r * 0.45);
        gloss(cr, -r * 0.15, -r * 0.18, r * 0.15, r * 0.1, 0.8);
        break;
    }
}

// White, so that the theme's colour tints it.
void paintCrosshair(cairo_t* cr, int, double w, double h) {
    const double r = w / 2 - 6;
    cairo_translate(cr, w / 2, h / 2);
    circlePath(cr, 0, 0, r);
    glowStroke(cr, WHITE, 2);
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        cairo_rotate(cr, k * PI / 2);
        cairo_move_to(cr, 0, -r - 4);
        cairo_line_to(cr, 0, -r * 0.45);
        cairo_restore(cr);
    }
    glowStroke(cr, WHITE, 2);
    circlePath(cr, 0, 0, 1.8);
    setColour(cr, WHITE);
    cairo_fill(cr);
}

// Frame 0 the game's name; frames 1 and 2 the two lines unfolding beneath it. The menus centre
// the line frames 130 units below the name's centre, where the player's greeting stands, so a
// line's plate fills only the top of its frame: it sits between the name and the greeting.
TexturePicture makeLogo(const TextureRecipe& recipe) {
    constexpr int LINE_WIDTH = 384;
    constexpr int LINE_FRAME_HEIGHT = 136;
    constexpr double PLATE_HEIGHT = 44;
    const std::vector<FrameRect> sizes = {{0, 0, recipe.frameWidth, recipe.frameHeight},
                                          {0, 0, LINE_WIDTH, LINE_FRAME_HEIGHT},
                                          {0, 0, LINE_WIDTH, LINE_FRAME_HEIGHT}};
    return paintSheet(sizes, [](cairo_t* cr, int index, double w, double h) {
        if (index == 0) {
            glowSpot(cr, w / 2, h / 2, w / 2, ACCENT.withAlpha(0.25));
            drawText(cr, "ZELBIN", w / 2, h * 0.396, h * 0.36, rgb(0xFF9A1F), true);
            drawText(cr, "VORLANX", w / 2, h * 0.76, h * 0.36, rgb(0xFF3B3B), true);
            for (int k = 0; k < 5; ++k) {
                starPath(cr, w * (0.06 + 0.22 * k), h * (0.12 + 0.08 * (k % 2)), 5, 9, 4, 0.2 * k);
                setColour(cr, paletteColour(k).lighter(0.3));
                cairo_fill_preserve(cr);
                outline(cr, 1.5);
            }
            return;
        }
        const double plate = PLATE_HEIGHT - 4;
        const Colour colour = index == 1 ? CYAN : rgb(0xFFE11F);
        drawPlate(cr, 2, 2, w - 4, plate, plate / 2, PANEL, colour);
        drawText(cr, index == 1 ? "OMBREL RISE" : "BRUME EDITION", w / 2, 2 + plate * 0.8, plate * 0.62, colour,
                 true);
    });
}

void paintMakerLogo(cairo_t* cr, int, double w, double h) {
    cairo_translate(cr, w / 2, h * 0.42);
    const double r = w * 0.28;
    glowSpot(cr, 0, 0, r * 1.6, CYAN.withAlpha(0.35));
    starPath(cr, 0, 0, 8, r, r * 0.62, 0);
    fillBall(cr, rgb(0x2F7BFF), 0, 0, r);
    outline(cr, 3);
    circlePath(cr, 0, 0, r * 0.5);
    fillBall(cr, rgb(0xFFE11F), 0, 0, r * 0.5);
    outline(cr, 2.5);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, r * 0.7);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, "K", &extents);
    cairo_move_to(cr, -extents.width / 2 - extents.x_bearing, extents.height / 2);
    cairo_text_path(cr, "K");
    setColour(cr, INK);
    cairo_fill(cr);
    cairo_identity_matrix(cr);
    drawText(cr, "KELVORO", w / 2, h * 0.9, w * 0.13, CYAN, true);
}

// Frame 0 the box, frame 1 the hover overlay drawn over it.
void paintEditBox(cairo_t* cr, int index, double w, double h) {
    if (index == 0) {
        drawPlate(cr, 2, 2, w - 4, h - 4, 12, PANEL, CYAN.darker(0.2));
        return;
    }
    roundedRectPath(cr, 2, 2, w - 4, h - 4, 12);
    setColour(cr, ACCENT.withAlpha(0.25));
    cairo_fill_preserve(cr);
    glowStroke(cr, ACCENT, 2);
}

// Frame 0 the button, 1 its hover overlay, 2 the highlighted frame of a panel.
void paintButton(cairo_t* cr, int index, double w, double h) {
    switch (index) {
    case 0:
        drawPlate(cr, 2, 2, w - 4, h - 4, 18, rgb(0x3A2A78), CYAN);
        break;
    case 1:
        roundedRectPath(cr, 2, 2, w - 4, h - 4, 18);
        setColour(cr, WHITE.withAlpha(0.22));
        cairo_fill_preserve(cr);
        glowStroke(cr, rgb(0xFFE11F), 2.5);
        break;
    default:
        drawPlate(cr, 2, 2, w - 4, h - 4, 18, rgb(0x78287A), ACCENT);
        break;
    }
}

// Frame 0 the frame of the bar, frame 1 the fill.
TexturePicture makeProgressBar(const TextureRecipe& recipe) {
    const std::vector<FrameRect> sizes = {{0, 0, recipe.frameWidth, recipe.frameHeight},
                                          {0, 0, recipe.frameWidth - 8, recipe.frameHeight - 8}};
    return paintSheet(sizes, [](cairo_t* cr, int index, double w, double h) {
        if (index == 0) {
            drawPlate(cr, 1, 1, w - 2, h - 2, h / 2 - 1, PANEL, CYAN);
            return;
        }
        roundedRectPath(cr, 0, 0, w, h, h / 2);
        cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, w, 0);
        cairo_pattern_add_color_stop_rgb(fill, 0, 1.0, 0.31, 0.85);
        cairo_pattern_add_color_stop_rgb(fill, 1, 0.16, 0.85, 0.94);
        cairo_set_source(cr, fill);
        cairo_fill(cr);
        cairo_pattern_destroy(fill);
        roundedRectPath(cr, 2, 1, w - 4, h * 0.4, h / 4);
        setColour(cr, WHITE.withAlpha(0.4));
        cairo_fill(cr);
    });
}

// The tip is the frame's top-left corner, and the frame's origin, so it sits on the pointer.
TexturePicture makeMousePointer(const TextureRecipe& recipe) {
    const int w = recipe.frameWidth, h = recipe.frameHeight;
    return paintSheet({FrameRect{0, 0, w, h, -w / 2, h / 2}}, [](cairo_t* cr, int, double width, double height) {
        cairo_scale(cr, width / 32, height / 32);
        cairo_new_path(cr);
        cairo_move_to(cr, 2, 2);
        cairo_line_to(cr, 24, 14);
        cairo_line_to(cr, 14, 16);
        cairo_line_to(cr, 10, 27);
        cairo_close_path(cr);
        fillVertical(cr, WHITE, rgb(0xFFB0F0), 2, 27);
        outline(cr, 2);
    });
}

namespace {

void stripes(cairo_t* cr, double w, double h, std::initializer_list<uint32_t> colours, bool bVertical) {
    const int count = static_cast<int>(colours.size());
    int i = 0;
    for (uint32_t c : colours) {
        if (bVertical) cairo_rectangle(cr, w * i / count, 0, w / count + 0.5, h);
        else cairo_rectangle(cr, 0, h * i / count, w, h / count + 0.5);
        setColour(cr, rgb(c));
        cairo_fill(cr);
        ++i;
    }
}

void unionFlag(cairo_t* cr, double w, double h) {
    setColour(cr, rgb(0x012169));
    cairo_paint(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, w, h);
        cairo_move_to(cr, w, 0);
        cairo_line_to(cr, 0, h);
        setColour(cr, pass ? rgb(0xC8102E) : WHITE);
        cairo_set_line_width(cr, pass ? h * 0.07 : h * 0.2);
        cairo_stroke(cr);
    }
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, w / 2, 0);
        cairo_line_to(cr, w / 2, h);
        cairo_move_to(cr, 0, h / 2);
        cairo_line_to(cr, w, h / 2);
        setColour(cr, pass ? rgb(0xC8102E) : WHITE);
        cairo_set_line_width(cr, pass ? h * 0.2 : h * 0.33);
        cairo_stroke(cr);
    }
}

void hexagramFlag(cairo_t* cr, double w, double h) {
    setColour(cr, WHITE);
    cairo_paint(cr);
    setColour(cr, rgb(0x0038B8));
    cairo_rectangle(cr, 0, h * 0.1, w, h * 0.15);
    cairo_rectangle(cr, 0, h * 0.75, w, h * 0.15);
    cairo_fill(cr);
    for (int k = 0; k < 2; ++k) {
        cairo_new_sub_path(cr);
        for (int p = 0; p < 3; ++p) {
            const double a = k * PI / 3 + p * 2 * PI / 3 - PI / 2;
            cairo_line_to(cr, w / 2 + std::cos(a) * h * 0.2, h / 2 + std::sin(a) * h * 0.2);
        }
        cairo_close_path(cr);
    }
    cairo_set_line_width(cr, h * 0.04);
    cairo_stroke(cr);
}

void greekFlag(cairo_t* cr, double w, double h) {
    for (int i = 0; i < 9; ++i) {
        cairo_rectangle(cr, 0, h * i / 9, w, h / 9 + 0.5);
        setColour(cr, i % 2 ? WHITE : rgb(0x0D5EAF));
        cairo_fill(cr);
    }
    const double canton = h * 5 / 9;
    cairo_rectangle(cr, 0, 0, canton, canton);
    setColour(cr, rgb(0x0D5EAF));
    cairo_fill(cr);
    cairo_rectangle(cr, canton * 0.4, 0, canton * 0.2, canton);
    cairo_rectangle(cr, 0, canton * 0.4, canton, canton * 0.2);
    setColour(cr, WHITE);
    cairo_fill(cr);
}

void koreanFlag(cairo_t* cr, double w, double h) {
    setColour(cr, WHITE);
    cairo_paint(cr);
    const double r = h * 0.25;
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_rotate(cr, 0.59);
    cairo_arc(cr, 0, 0, r, PI, 2 * PI);
    setColour(cr, rgb(0xCD2E3A));
    cairo_fill(cr);
    cairo_arc(cr, 0, 0, r, 0, PI);
    setColour(cr, rgb(0x0047A0));
    cairo_fill(cr);
    cairo_arc(cr, -r / 2, 0, r / 2, 0, 2 * PI);
    setColour(cr, rgb(0xCD2E3A));
    cairo_fill(cr);
    cairo_arc(cr, r / 2, 0, r / 2, 0, 2 * PI);
    setColour(cr, rgb(0x0047A0));
    cairo_fill(cr);
    cairo_restore(cr);
    const double corners[][3] = {{0.2, 0.22, -0.98}, {0.8, 0.22, 0.98}, {0.2, 0.78, 0.98}, {0.8, 0.78, -0.98}};
    for (const auto& c : corners) {
        cairo_save(cr);
        cairo_translate(cr, w * c[0], h * c[1]);
        cairo_rotate(cr, c[2]);
        for (int bar = -1; bar <= 1; ++bar) cairo_rectangle(cr, -h * 0.1, bar * h * 0.045 - h * 0.015, h * 0.2, h * 0.03);
        setColour(cr, INK);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void portugueseFlag(cairo_t* cr, double w, double h) {
    cairo_rectangle(cr, 0, 0, w * 0.4, h);
    setColour(cr, rgb(0x046A38));
    cairo_fill(cr);
    cairo_rectangle(cr, w * 0.4, 0, w * 0.6, h);
    setColour(cr, rgb(0xDA291C));
    cairo_fill(cr);
    circlePath(cr, w * 0.4, h / 2, h * 0.24);
    setColour(cr, rgb(0xFFE11F));
    cairo_set_line_width(cr, h * 0.06);
    cairo_stroke(cr);
    roundedRectPath(cr, w * 0.4 - h * 0.1, h * 0.38, h * 0.2, h * 0.26, h * 0.06);
    setColour(cr, WHITE);
    cairo_fill_preserve(cr);
    setColour(cr, rgb(0xDA291C));
    cairo_set_line_width(cr, h * 0.03);
    cairo_stroke(cr);
}

void czechFlag(cairo_t* cr, double w, double h) {
    stripes(cr, w, h, {0xFFFFFF, 0xD7141A}, false);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, w / 2, h / 2);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    setColour(cr, rgb(0x11457E));
    cairo_fill(cr);
}

}  // namespace

// In the order of the flag table: en fr de it es ru he el pl ro pt ja ko cs nl.
void paintLanguageFlag(cairo_t* cr, int index, double w, double h) {
    const double margin = 3;
    const double fw = w - 2 * margin, fh = h - 2 * margin;
    cairo_save(cr);
    cairo_translate(cr, margin, margin);
    roundedRectPath(cr, 0, 0, fw, fh, 4);
    cairo_clip(cr);
    switch (index) {
    case 0: unionFlag(cr, fw, fh); break;
    case 1: stripes(cr, fw, fh, {0x0055A4, 0xFFFFFF, 0xEF4135}, true); break;
    case 2: stripes(cr, fw, fh, {0x000000, 0xDD0000, 0xFFCE00}, false); break;
    case 3: stripes(cr, fw, fh, {0x009246, 0xFFFFFF, 0xCE2B37}, true); break;
    case 4: stripes(cr, fw, fh, {0xAA151B, 0xF1BF00, 0xF1BF00, 0xAA151B}, false); break;
    case 5: stripes(cr, fw, fh, {0xFFFFFF, 0x0039A6, 0xD52B1E}, false); break;
    case 6: hexagramFlag(cr, fw, fh); break;
    case 7: greekFlag(cr, fw, fh); break;
    case 8: stripes(cr, fw, fh, {0xFFFFFF, 0xDC143C}, false); break;
    case 9: stripes(cr, fw, fh, {0x002B7F, 0xFCD116, 0xCE1126}, true); break;
    case 10: portugueseFlag(cr, fw, fh); break;
    case 11:
        setColour(cr, WHITE);
        cairo_paint(cr);
        circlePath(cr, fw / 2, fh / 2, fh * 0.3);
        setColour(cr, rgb(0xBC002D));
        cairo_fill(cr);
        break;
    case 12: koreanFlag(cr, fw, fh); break;
    case 13: czechFlag(cr, fw, fh); break;
    default: stripes(cr, fw, fh, {0xAE1C28, 0xFFFFFF, 0x21468B}, false); break;
    }
    cairo_restore(cr);
    roundedRectPath(cr, margin, margin, fw, fh, 4);
    cairo_pattern_t* shine = cairo_pattern_create_linear(0, margin, 0, margin + fh);
    cairo_pattern_add_color_stop_rgba(shine, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(shine, 0.5, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(shine, 1, 0, 0, 0, 0.2);
    cairo_set_source(cr, shine);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shine);
    outline(cr, 2);
}

namespace {

// The three states of a theme skin as a shift of its colours.
Colour inState(Colour c, int index) {
    if (index == 0) return c.lighter(0.25);
    if (index == 2) return c.darker(0.35);
    return c;
}

void rimPath(cairo_t* cr, double inset, double w, double h, double r) {
    roundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, r);
}

// Light along the top and left edges, shade along the bottom and right (or the other way round
// for a sunken face), `width` pixels in from `inset`.
void bevel(cairo_t* cr, double inset, double width, double w, double h, bool bRaised, double alpha) {
    const double a = inset + width / 2, right = w - a, bottom = h - a;
    cairo_set_line_width(cr, width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (const bool bLit : {true, false}) {
        cairo_new_path(cr);
        if (bLit) {
            cairo_move_to(cr, a, bottom);
            cairo_line_to(cr, a, a);
            cairo_line_to(cr, right, a);
        } else {
            cairo_move_to(cr, right, a);
            cairo_line_to(cr, right, bottom);
            cairo_line_to(cr, a, bottom);
        }
        setColour(cr, (bLit == bRaised ? WHITE : INK).withAlpha(alpha));
        cairo_stroke(cr);
    }
}

// A tab: rounded top corners, open along the bottom where it joins its page.
void tabPath(cairo_t* cr, double w, double h) {
    const double r = 4;
    cairo_new_path(cr);
    cairo_move_to(cr, 1, h);
    cairo_line_to(cr, 1, 1 + r);
    cairo_arc(cr, 1 + r, 1 + r, r, PI, 1.5 * PI);
    cairo_line_to(cr, w - 1 - r, 1);
    cairo_arc(cr, w - 1 - r, 1 + r, r, 1.5 * PI, 2 * PI);
    cairo_line_to(cr, w - 1, h);
}

}  // namespace

void paintThemeSkin(cairo_t* cr, ThemeSkin skin, int index, double w, double h) {
    const Colour panel = inState(PANEL, index), rim = inState(CYAN, index);
    switch (skin) {
    case ThemeSkin::Invisible:
        break;
    case ThemeSkin::Generic:
        rimPath(cr, 1, w, h, 4);
        fillVertical(cr, panel.lighter(0.15).withAlpha(0.9), panel.darker(0.2).withAlpha(0.9), 0, h);
        setColour(cr, rim);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    case ThemeSkin::ThickFrame:
        rimPath(cr, 2.5, w, h, 3);
        setColour(cr, panel.withAlpha(0.55));
        cairo_fill_preserve(cr);
        setColour(cr, rim.darker(0.2));
        cairo_set_line_width(cr, 4);
        cairo_stroke(cr);
        rimPath(cr, 1, w, h, 4);
        outline(cr, 1);
        break;
    case ThemeSkin::ThinFrame:
        rimPath(cr, 1.5, w, h, 3);
        setColour(cr, rim);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        break;
    case ThemeSkin::Groove:
        rimPath(cr, 1.5, w, h, 3);
        setColour(cr, INK.withAlpha(0.8));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        rimPath(cr, 3, w, h, 2);
        setColour(cr, rim.withAlpha(0.7));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        break;
    case ThemeSkin::BevelInner:
        cairo_rectangle(cr, 0, 0, w, h);
        fillVertical(cr, panel.darker(0.25).withAlpha(0.92), panel.withAlpha(0.92), 0, h);
        cairo_new_path(cr);
        bevel(cr, 0, 3, w, h, false, 0.55);
        break;
    case ThemeSkin::EditBox:
        rimPath(cr, 1, w, h, 3);
        setColour(cr, panel.darker(0.45).withAlpha(0.95));
        cairo_fill_preserve(cr);
        setColour(cr, rim.darker(0.15));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        bevel(cr, 2, 2, w, h, false, 0.35);
        break;
    case ThemeSkin::Button:
    case ThemeSkin::ButtonNoGroove: {
        const double inset = skin == ThemeSkin::Button ? 2 : 0;
        if (skin == ThemeSkin::Button) {
            rimPath(cr, 0.75, w, h, 4);
            setColour(cr, INK.withAlpha(0.7));
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
        cairo_rectangle(cr, inset, inset, w - 2 * inset, h - 2 * inset);
        const Colour face = inState(rgb(0x3A2A78), index);
        fillVertical(cr, face.lighter(0.2), face.darker(0.25), inset, h - inset);
        cairo_new_path(cr);
        bevel(cr, inset, 3 - inset / 2, w, h, index != 2, 0.5);
        break;
    }
    case ThemeSkin::Tab:
    case ThemeSkin::TabSelected: {
        const bool bSelected = skin == ThemeSkin::TabSelected;
        const Colour face = bSelected ? inState(rgb(0x78287A), index) : panel;
        tabPath(cr, w, h);
        cairo_close_path(cr);
        fillVertical(cr, face.lighter(bSelected ? 0.3 : 0.1), face.darker(0.2), 0, h);
        tabPath(cr, w, h);
        setColour(cr, bSelected ? inState(ACCENT, index) : rim.darker(0.3));
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        break;
    }
    case ThemeSkin::Minimal:
        cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
        setColour(cr, panel.withAlpha(0.6));
        cairo_fill_preserve(cr);
        setColour(cr, rim.withAlpha(0.8));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    }
}
