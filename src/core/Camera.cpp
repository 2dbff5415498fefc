#include "core/Camera.h"

void Camera::showScreen(float width, float height) {
    z = -0.5f * width;
    ratio = height / width;
}

void Camera::getVisibleRect(Rect& out, float depth) const {
    const float halfWidth = depth - z;
    const float halfHeight = halfWidth * ratio;
    out.left = x - halfWidth;
    out.right = x + halfWidth;
    out.top = y + halfHeight;
    out.bottom = y - halfHeight;
}

void Camera::screenToWorld(float screenX, float screenY, float screenWidth, float& worldX, float& worldY) const {
    Rect view;
    getVisibleRect(view, 0.f);
    // One screen unit covers k world units on the plane z = 0.
    const float k = screenWidth > 0.f ? (0.f - z) / (screenWidth * 0.5f) : 1.f;
    worldX = view.left + screenX * k;
    worldY = view.bottom + screenY * k;
}
