#pragma once
#include <array>
#include <cstdint>

/// The eleven planets of the game side by side on a logarithmic track, outermost first:
/// planet i is frame i of "bmp_planets" and the planet of star system i. The intro pans
/// across them and the star map flies from one to the next.
namespace PlanetTrack {

constexpr int PLANETS = 11;
constexpr int HOME_PLANET = 7; ///< where the intro's pan stops
constexpr double TRACK_Y = 239.0; ///< world y of the planets' centres

/// World x of each planet's centre: the distances squeezed by a logarithm so that the
/// outer planets stand far apart and the inner ones close; the innermost at the field's
/// centre.
std::array<int32_t, PLANETS> positions();

} // namespace PlanetTrack
