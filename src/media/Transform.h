#pragma once
#include "media/Vector.h"

/// A placement in the plane with depth: x and y go through a 2 by 2 matrix (rotation and
/// scale) and a translation; z is only translated.
struct Transform {
    float m00 = 1.f, m01 = 0.f;
    float m10 = 0.f, m11 = 1.f;
    Vector3 translation;

    /// Scale first, then rotate by `rotation` radians (counter-clockwise, y up), then move.
    static Transform compose(const Vector3& position, float rotation, const Vector3& scale);

    Vector3 apply(const Vector3& p) const {
        return {m00 * p.x + m01 * p.y + translation.x, m10 * p.x + m11 * p.y + translation.y,
                p.z + translation.z};
    }
    /// `inner` first, then this.
    Transform operator*(const Transform& inner) const;
    /// The point whose image is `p`; false (and `out` untouched) when the transform is flat.
    bool unapply(const Vector3& p, Vector3& out) const;
};
