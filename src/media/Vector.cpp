#include "media/Vector.h"
#include <cmath>

Vector3 normalize(const Vector3& v) {
    const float length = std::sqrt(lengthSquared(v));
    if (length == 0.f) return v;
    return v * (1.f / length);
}
