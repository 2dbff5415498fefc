#include "media/TextureSkin.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(TextureSkin, Quad, u"TextureSkin")

TextureSkin::TextureSkin(const Texture& texture, const Rect& frame, const Vector3& originAdjustment)
    : Quad(&texture, frame) {
    origin = originAdjustment;
}
