#include "Paint.h"
#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>

const Colour INK = rgb(0x1B0F2E);
const Colour WHITE = rgb(0xFFFFFF);

Colour Colour::lighter(double amount) const {
    return Colour{r + (1 - r) * amount, g + (1 - g) * amount, b + (1 - b) * amount, a};
}

Colour Colour::darker(double amount) const { return Colour{r * (1 - amount), g * (1 - amount), b * (1 - amount), a}; }

Colour rgb(uint32_t hex) {
    return Colour{((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0, 1.0};
}

Colour paletteColour(int index) {
    static const uint32_t COLOURS[] = {0xFF3B3B, 0xFF9A1F, 0xFFE11F, 0x45E03A, 0x29D8F0};
    return rgb(COLOURS[((index % 5) + 5) % 5]);
}

void setColour(cairo_t* cr, Colour c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void circlePath(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    circlePath(cr, 0, 0, 1);
    cairo_restore(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, PI / 2, PI);
    cairo_arc(cr, x + r, y + r, r, PI, 3 * PI / 2);
    cairo_close_path(cr);
}

void starPath(cairo_t* cr, double x, double y, int points, double outer, double inner, double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double angle = rotation + i * PI / points - PI / 2;
        const double radius = i % 2 ? inner : outer;
        cairo_line_to(cr, x + std::cos(angle) * radius, y + std::sin(angle) * radius);
    }
    cairo_close_path(cr);
}

std::vector<Point> cubicPoints(Point p0, Point p1, Point p2, Point p3, int count) {
    std::vector<Point> points;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / (count - 1), u = 1 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        points.push_back(Point{a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    return points;
}

void taperedPath(cairo_t* cr, const std::vector<Point>& spine, double startWidth, double endWidth) {
    const std::size_t n = spine.size();
    std::vector<Point> left(n), right(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Point& before = spine[i == 0 ? 0 : i - 1];
        const Point& after = spine[i + 1 == n ? i : i + 1];
        const double dx = after.x - before.x, dy = after.y - before.y;
        const double length = std::max(1e-9, std::hypot(dx, dy));
        const double half = (startWidth + (endWidth - startWidth) * double(i) / double(n - 1)) / 2;
        left[i] = Point{spine[i].x - dy / length * half, spine[i].y + dx / length * half};
        right[i] = Point{spine[i].x + dy / length * half, spine[i].y - dx / length * half};
    }
    cairo_new_sub_path(cr);
    for (const Point& p : left) cairo_line_to(cr, p.x, p.y);
    for (std::size_t i = n; i-- > 0;) cairo_line_to(cr, right[i].x, right[i].y);
    cairo_close_path(cr);
}

void fillBall(cairo_t* cr, Colour base, double x, double y, double r) {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.05, x, y, r * 1.05);
    const Colour light = base.lighter(0.45), dark = base.darker(0.45);
    cairo_pattern_add_color_stop_rgba(pattern, 0, light.r, light.g, light.b, base.a);
    cairo_pattern_add_color_stop_rgba(pattern, 0.55, base.r, base.g, base.b, base.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, dark.r, dark.g, dark.b, base.a);
    cairo_set_source(cr, pattern);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pattern);
}

void fillVertical(cairo_t* cr, Colour top, Colour bottom, double y0, double y1) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(pattern, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, pattern);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pattern);
}

void outline(cairo_t* cr, double width) {
    setColour(cr, INK);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void gloss(cairo_t* cr, double x, double y, double rx, double ry, double alpha) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* pattern = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(pattern, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(pattern, 1, 1, 1, 1, 0);
    cairo_set_source(cr, pattern);
    circlePath(cr, 0, 0, 1);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
    cairo_restore(cr);
}

void glowSpot(cairo_t* cr, double x, double y, double r, Colour c) {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(pattern, 0, c.r, c.g, c.b, c.a);
    cairo_pattern_add_color_stop_rgba(pattern, 0.4, c.r, c.g, c.b, c.a * 0.45);
    cairo_pattern_add_color_stop_rgba(pattern, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, pattern);
    circlePath(cr, x, y, r);
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
}

void glowStroke(cairo_t* cr, Colour c, double width) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int pass = 3; pass >= 1; --pass) {
        setColour(cr, c.withAlpha(c.a * 0.18));
        cairo_set_line_width(cr, width * (1 + pass));
        cairo_stroke_preserve(cr);
    }
    setColour(cr, c);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
    setColour(cr, c.lighter(0.7));
    cairo_set_line_width(cr, width * 0.4);
    cairo_stroke(cr);
}

void releaseFontCaches() {
    cairo_debug_reset_static_data();
    FcFini();
}

namespace {

double latticeValue(int x, int y, int period, uint32_t seed) {
    x = ((x % period) + period) % period;
    y = ((y % period) + period) % period;
    uint32_t h = seed ^ (static_cast<uint32_t>(x) * 0x27D4EB2Du) ^ (static_cast<uint32_t>(y) * 0x165667B1u);
    h ^= h >> 15;
    h *= 0x85EBCA6Bu;
    h ^= h >> 13;
    h *= 0xC2B2AE35u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double tiledNoise(double x, double y, int period, uint32_t seed) {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = smooth(x - x0), fy = smooth(y - y0);
    const double a = latticeValue(x0, y0, period, seed), b = latticeValue(x0 + 1, y0, period, seed);
    const double c = latticeValue(x0, y0 + 1, period, seed), d = latticeValue(x0 + 1, y0 + 1, period, seed);
    return (a + (b - a) * fx) * (1 - fy) + (c + (d - c) * fx) * fy;
}

double tiledFractal(double x, double y, int period, uint32_t seed) {
    double sum = 0, weight = 0.5, total = 0;
    for (int octave = 0; octave < 4; ++octave) {
        const int scale = 1 << octave;
        sum += tiledNoise(x * scale, y * scale, period * scale, seed + octave * 7919u) * weight;
        total += weight;
        weight *= 0.5;
    }
    return sum / total;
}
