#include "media/Skin.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(Skin, VekBase, u"Skin")

bool Skin::isPointInside(float x, float y) const {
    const Rect r = getLocalRect();
    return x >= r.left && x <= r.right && y >= r.bottom && y <= r.top;
}
