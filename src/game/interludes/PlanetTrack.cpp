#include "game/interludes/PlanetTrack.h"
#include <cmath>

namespace {

// Distances from the centre of the system, outermost first (astronomical units).
constexpr std::array<double, PlanetTrack::PLANETS> DISTANCES = {39.5, 30.1, 19.2, 9.5, 5.2, 3.0,
                                                                1.5,  1.0,  0.67, 0.39, 0.0};
constexpr double SPREAD = 500.0;        // track units per unit of ln(1 + distance)
constexpr double INNER_MARGIN = 100.0;  // between the field's centre and the second innermost
constexpr int32_t FIELD_CENTRE = 320;

} // namespace

std::array<int32_t, PlanetTrack::PLANETS> PlanetTrack::positions() {
    std::array<int32_t, PLANETS> x{};
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = static_cast<int32_t>(FIELD_CENTRE - (SPREAD * std::log(1.0 + DISTANCES[i]) + INNER_MARGIN));
    x.back() = FIELD_CENTRE;
    return x;
}
