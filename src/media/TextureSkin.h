#pragma once
#include "core/Resource.h"
#include "media/Quad.h"

/// One frame of a texture: its rectangle of the picture, drawn centred at its pixel size,
/// with an origin adjustment (pixels) subtracted from its vertices. Owned by its texture and
/// found by the name "texture:n".
class TextureSkin : public Quad, public Resource {
    VEK_REGISTERED_CLASS()

    TextureSkin(const Texture& texture, const Rect& frame, const Vector3& originAdjustment);
};
