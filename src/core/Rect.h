#pragma once

/// An axis-aligned rectangle in world units, y growing upwards: top >= bottom.
struct Rect {
    float left = 0.f;
    float top = 0.f;
    float right = 0.f;
    float bottom = 0.f;
};
