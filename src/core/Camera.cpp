#include "core/Camera.h"

void Camera::getVisibleRect(Rect& out, float depth) const {
    const float halfWidth = depth - z;
    const float halfHeight = halfWidth * ratio;
    out.left = x - halfWidth;
    out.right = x + halfWidth;
    out.top = y + halfHeight;
    out.bottom = y - halfHeight;
}
