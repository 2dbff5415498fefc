#include "media/SlicedSkin.h"
#include <algorithm>
#include "media/Texture.h"
#include "media/TextureSkin.h"
#include "media/VekGraphics.h"

VEK_REGISTER_CLASS_WITHOUT_CREATOR(SlicedSkin, Skin, u"SlicedSkin")

namespace {

// The three parts of one axis: where they start and end, drawn and in the picture. Borders
// that do not fit the drawn size shrink in proportion, so parts never overlap.
struct Cuts {
    float drawn[4];
    float picture[4];
};

Cuts cutAxis(float drawFrom, float drawSize, float pictureFrom, float pictureSize, float borderFrom,
             float borderTo) {
    const float borders = borderFrom + borderTo;
    const float shrink = borders > drawSize && borders > 0.f ? drawSize / borders : 1.f;
    return Cuts{{drawFrom, drawFrom + borderFrom * shrink, drawFrom + drawSize - borderTo * shrink,
                 drawFrom + drawSize},
                {pictureFrom, pictureFrom + borderFrom, pictureFrom + pictureSize - borderTo,
                 pictureFrom + pictureSize}};
}

} // namespace

SlicedSkin::SlicedSkin(const TextureSkin& textureFrame)
    : frame(textureFrame), width(textureFrame.width), height(textureFrame.height) {
    blend = textureFrame.blend;
}

void SlicedSkin::setBorders(float left, float top, float bottom, float right) {
    borderLeft = std::max(left, 0.f);
    borderTop = std::max(top, 0.f);
    borderRight = std::max(right, 0.f);
    borderBottom = std::max(bottom, 0.f);
}

void SlicedSkin::setSize(float newWidth, float newHeight) {
    width = newWidth < 0.f ? frame.width : newWidth;
    height = newHeight < 0.f ? frame.height : newHeight;
}

Rect SlicedSkin::getLocalRect() const {
    Rect r;
    r.left = -0.5f * width - frame.origin.x;
    r.right = r.left + width;
    r.bottom = -0.5f * height - frame.origin.y;
    r.top = r.bottom + height;
    return r;
}

void SlicedSkin::draw(VekGraphics& graphics, const Transform& world, uint32_t argb) const {
    const Texture* texture = frame.getTexture();
    if (!texture) return;
    const Rect local = getLocalRect();
    const Rect& source = frame.getSource();
    // Rows run downwards in the picture and from the top in local units (y up).
    const Cuts columns =
        cutAxis(local.left, width, source.left, source.right - source.left, borderLeft, borderRight);
    const Cuts rows =
        cutAxis(-local.top, height, source.top, source.bottom - source.top, borderTop, borderBottom);
    const float textureWidth = static_cast<float>(texture->getWidth());
    const float textureHeight = static_cast<float>(texture->getHeight());
    const float z = -frame.origin.z;
    auto corner = [&](int column, int row) {
        return VekGraphics::QuadCorner{world.apply({columns.drawn[column], -rows.drawn[row], z}),
                                       columns.picture[column] / textureWidth,
                                       rows.picture[row] / textureHeight, argb};
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            if (columns.drawn[column + 1] <= columns.drawn[column] || rows.drawn[row + 1] <= rows.drawn[row])
                continue;
            graphics.drawQuad(texture,
                              {corner(column, row), corner(column + 1, row), corner(column + 1, row + 1),
                               corner(column, row + 1)},
                              blend);
        }
    }
}
