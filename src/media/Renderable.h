#pragma once
#include <cstdint>
#include "core/VekBase.h"
#include "media/Transform.h"
#include "media/Vector.h"

class Skin;

/// Something drawn: a skin placed by position, rotation and scale, tinted by an ARGB colour.
/// Its placement is relative to the nearest renderable above it in the object tree, so
/// children move, turn and scale with their parents. Main thread only.
class Renderable : public VekBase {
    VEK_REGISTERED_CLASS()

    Renderable() = default;
    /// Deletes the skin when it owns it.
    ~Renderable() override;

    /// Draws the skin (unless hidden), then the children.
    void render() override;

    /// Shows `skin`; with `owns` the renderable deletes it. A previously owned skin is deleted.
    void setSkin(Skin* skin, bool owns = false);
    Skin* getSkin() const { return pSkin; }

    void setTransform(const Vector3& newPosition, float newRotation, const Vector3& newScale);
    void setScaleXY(float s) {
        scale.x = s;
        scale.y = s;
    }
    /// Recomputes the placement in the world from the own values and the parent's placement.
    void updateTransform();
    const Transform& getWorldTransform() const { return world; }

    Vector3 local2world(const Vector3& local) const { return world.apply(local); }
    /// True when the world point lies inside the skin as placed (never with bounds off).
    bool isPointInside(const Vector3& worldPoint) const;
    /// The circle around the placed skin (xy plane); false without skin or with bounds off.
    bool getBounds(Vector3& centre, float& radius) const;
    /// True when the two bounding circles overlap (touching ones do not).
    bool collides(const Renderable& other) const;

    Vector3 position;
    Vector3 scale{1.f, 1.f, 1.f};
    float rotation = 0.f; ///< radians, counter-clockwise
    uint32_t color = 0xFFFFFFFF;
    bool hidden = false;
    /// Placed in screen units around the screen's centre, whatever the context's camera.
    bool bScreenSpace = false;
    /// Never picked by the pointer and without bounding circle.
    bool bBoundsOff = false;

  private:
    Skin* pSkin = nullptr;
    bool bOwnsSkin = false;
    Transform world;
};
