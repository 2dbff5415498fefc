#pragma once
#include <cstdint>
#include "core/Rect.h"
#include "core/VekBase.h"
#include "media/Transform.h"
#include "platform/RenderDevice.h"

class VekGraphics;

/// What a renderable looks like: something drawn in the renderable's local units around its
/// origin. Main thread only.
class Skin : public VekBase {
    VEK_REGISTERED_CLASS()

    /// Draws the skin placed by `world`, tinted by the ARGB colour.
    virtual void draw(VekGraphics& graphics, const Transform& world, uint32_t argb) const = 0;
    /// The area covered, in local units (y upwards: top >= bottom).
    virtual Rect getLocalRect() const = 0;
    /// True when the local point lies inside the covered area (edges included).
    bool isPointInside(float x, float y) const;

    platform::BlendMode blend = platform::BlendMode::Alpha;
};
