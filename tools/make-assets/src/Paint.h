#pragma once
#include <cairo.h>
#include <cstdint>
#include <numbers>
#include <vector>

/// The house style of every picture: saturated colours, ball shading lit from the top left,
/// a dark ink outline and soft glows.
struct Colour {
    double r = 0, g = 0, b = 0, a = 1;

    /// Towards white by `amount` (0..1).
    Colour lighter(double amount) const;
    /// Towards black by `amount` (0..1).
    Colour darker(double amount) const;
    Colour withAlpha(double alpha) const { return Colour{r, g, b, alpha}; }
};

/// 0xRRGGBB.
Colour rgb(uint32_t hex);

constexpr double PI = std::numbers::pi;
extern const Colour INK;    // outlines and pupils
extern const Colour WHITE;

/// The palette of the five zelbin colours, also used for other things that come in colours.
Colour paletteColour(int index);

void setColour(cairo_t* cr, Colour c);
void circlePath(cairo_t* cr, double x, double y, double r);
void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void starPath(cairo_t* cr, double x, double y, int points, double outer, double inner, double rotation);

/// A point of a drawing, in the units of the current Cairo matrix.
struct Point {
    double x = 0, y = 0;
};

/// `count` points (count >= 2) evenly spread in the curve parameter along a cubic Bezier curve.
std::vector<Point> cubicPoints(Point p0, Point p1, Point p2, Point p3, int count);
/// A closed path round a strand that follows `spine` (two points or more), `startWidth` wide at
/// its first point and narrowing (or widening) evenly to `endWidth` at its last: tentacles.
void taperedPath(cairo_t* cr, const std::vector<Point>& spine, double startWidth, double endWidth);

/// Fills the current path (kept) with `base` lit as a ball centred at (x, y) with radius r.
void fillBall(cairo_t* cr, Colour base, double x, double y, double r);
/// Fills the current path (kept) with a top-to-bottom gradient from `top` to `bottom`.
void fillVertical(cairo_t* cr, Colour top, Colour bottom, double y0, double y1);
/// Strokes the current path (cleared) in ink.
void outline(cairo_t* cr, double width);
/// A white gloss spot: the shine that every rounded thing carries.
void gloss(cairo_t* cr, double x, double y, double rx, double ry, double alpha = 0.55);
/// A soft round glow of `c` fading out from radius 0 to r.
void glowSpot(cairo_t* cr, double x, double y, double r, Colour c);
/// Strokes the current path (cleared) as a glowing line: wide faint strokes under a bright core.
void glowStroke(cairo_t* cr, Colour c, double width);

/// Lets go of the font caches that Cairo's lettering fills (Cairo's and fontconfig's), so
/// that a leak checker sees a clean exit. Call once, when no drawing follows.
void releaseFontCaches();

/// Smooth value noise on a wrapping lattice of `period` cells, 0..1; the same seed gives the same
/// field, and noise(x + period, y) = noise(x, y), so pictures built from it tile.
double tiledNoise(double x, double y, int period, uint32_t seed);
/// Four octaves of tiledNoise.
double tiledFractal(double x, double y, int period, uint32_t seed);
