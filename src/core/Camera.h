#pragma once
#include "core/Rect.h"

/// Where a context looks at its world from. The view widens with depth: at depth z it shows
/// a rectangle whose half-width is z minus the camera's own z and whose half-height is that
/// times `ratio`. From the default depth the plane z = 0 shows the logical screen, 640 by
/// 480 units around the camera's position.
class Camera {
public:
    static constexpr float DEFAULT_DEPTH = -320.f;
    static constexpr float DEFAULT_RATIO = 0.75f;

    Camera() = default;

    void setPosition(float newX, float newY) {
        x = newX;
        y = newY;
    }
    /// Looks at the plane z = 0 from where it shows a screen of `width` by `height` units
    /// around the position, one world unit to a screen unit, whatever the screen's shape.
    void showScreen(float width, float height);
    /// The rectangle seen at depth `depth`.
    void getVisibleRect(Rect& out, float depth) const;
    /// The point of the plane z = 0 seen at screen units (x from the left edge, y up from the
    /// bottom edge) on a screen `screenWidth` units wide.
    void screenToWorld(float screenX, float screenY, float screenWidth, float& worldX, float& worldY) const;

    float x = 0.f;
    float y = 0.f;
    float z = DEFAULT_DEPTH;
    /// Movement still to be blended into the position, in world units (see ContextBlender).
    float motionX = 0.f;
    float motionY = 0.f;
    float motionZ = 0.f;
    float ratio = DEFAULT_RATIO;  ///< height of the view over its width
    float offsetX = 0.f;          ///< shift of the view on the screen, in screen units
    float offsetY = 0.f;
    float xOrigin = 0.f;          ///< world x that the view's left edge is measured from
};
