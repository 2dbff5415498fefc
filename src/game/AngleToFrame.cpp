#include "game/AngleToFrame.h"
#include <cmath>

namespace {

// The rotation constants as 32-bit floats: frames of stored headings depend on their rounding.
constexpr double HALF_PI = static_cast<double>(1.5707963705062866f);
constexpr float TWO_PI_FLOAT = 6.2831854820251465f;
constexpr double TWO_PI = static_cast<double>(TWO_PI_FLOAT);

}  // namespace

int angleToFrame(int frameCount, double angle) {
    // Without frames there is nothing to divide into; a NaN or infinite heading has no frame.
    if (frameCount <= 0 || !std::isfinite(angle)) return 0;
    const double turned = angle + HALF_PI;
    double r = std::fmod(turned, TWO_PI);
    if (turned < 0) r += TWO_PI;
    r += static_cast<double>(TWO_PI_FLOAT / static_cast<float>(frameCount)) * 0.5;
    int frame = static_cast<int>(r * frameCount / TWO_PI);
    while (frame < 0)
        frame += frameCount;
    while (frame > frameCount - 1)
        frame -= frameCount;
    return frame;
}
