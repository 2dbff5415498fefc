#pragma once

/// Points and directions of the engine's screen and world space.
struct Vector2 {
    float x = 0.f, y = 0.f;
};

struct Vector3 {
    float x = 0.f, y = 0.f, z = 0.f;
};
