#include "media/Transform.h"
#include <cmath>

Transform Transform::compose(const Vector3& position, float rotation, const Vector3& scale) {
    const float c = std::cos(rotation);
    const float s = std::sin(rotation);
    Transform t;
    t.m00 = c * scale.x;
    t.m01 = -s * scale.y;
    t.m10 = s * scale.x;
    t.m11 = c * scale.y;
    t.translation = position;
    return t;
}

Transform Transform::operator*(const Transform& inner) const {
    Transform t;
    t.m00 = m00 * inner.m00 + m01 * inner.m10;
    t.m01 = m00 * inner.m01 + m01 * inner.m11;
    t.m10 = m10 * inner.m00 + m11 * inner.m10;
    t.m11 = m10 * inner.m01 + m11 * inner.m11;
    t.translation = apply(inner.translation);
    return t;
}

bool Transform::unapply(const Vector3& p, Vector3& out) const {
    const float det = m00 * m11 - m01 * m10;
    if (std::fabs(det) < 1e-12f) return false;
    const float dx = p.x - translation.x;
    const float dy = p.y - translation.y;
    out = {(m11 * dx - m01 * dy) / det, (m00 * dy - m10 * dx) / det, p.z - translation.z};
    return true;
}
