#pragma once

/// Points and directions of the engine's screen and world space.
struct Vector2 {
    float x = 0.f, y = 0.f;
};

struct Vector3 {
    float x = 0.f, y = 0.f, z = 0.f;
};

inline Vector3 operator+(const Vector3& a, const Vector3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vector3 operator-(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vector3 operator*(const Vector3& a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}

inline float lengthSquared(const Vector3& v) {
    return v.x * v.x + v.y * v.y + v.z * v.z;
}

/// True when `p` and `q` are closer than `radius` (compared squared, no root).
inline bool isWithinRadius(const Vector3& p, const Vector3& q, float radius) {
    return lengthSquared(p - q) < radius * radius;
}

/// `v` scaled to unit length; the zero vector stays zero.
Vector3 normalize(const Vector3& v);
