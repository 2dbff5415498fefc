#include "media/Quad.h"
#include <cmath>
#include "core/ErrorManager.h"
#include "media/Texture.h"
#include "media/VekGraphics.h"

VEK_REGISTER_CLASS(Quad, Skin, u"Quad")

namespace {

// Where anchor point 1..9 lies, as fractions of the size from the left and from the bottom.
constexpr float ANCHOR_X[] = {0.f, 0.5f, 1.f, 0.f, 0.5f, 1.f, 0.f, 0.5f, 1.f};
constexpr float ANCHOR_Y[] = {0.f, 0.f, 0.f, 0.5f, 0.5f, 0.5f, 1.f, 1.f, 1.f};

// One span of a source interval that lies within a single repeat of the texture.
struct Span {
    float from, to;   // source pixels
    float uFrom, uTo; // texture fraction 0..1
};

// Splits [from, to] at the texture's edges so that no span leaves 0..1.
template <class Visit> void forEachSpan(float from, float to, float size, Visit visit) {
    if (from >= 0.f && to <= size && from <= to) {
        visit(Span{from, to, from / size, to / size});
        return;
    }
    if (to < from) { // a mirrored rectangle is drawn as it is, without repeating
        visit(Span{from, to, from / size, to / size});
        return;
    }
    for (float at = from; at < to;) {
        const float cell = std::floor(at / size);
        const float end = std::fmin(to, (cell + 1.f) * size);
        visit(Span{at, end, at / size - cell, end / size - cell});
        at = end;
    }
}

} // namespace

Quad::Quad(const Texture* texture, const Rect& frame)
    : width(std::fabs(frame.right - frame.left)), height(std::fabs(frame.bottom - frame.top)),
      pTexture(texture), source(frame) {}

void Quad::setAnchor(int code) {
    VEK_ASSERT(code >= BOTTOM_LEFT && code <= TOP_RIGHT);
    anchor = code;
}

Rect Quad::getLocalRect() const {
    Rect r;
    r.left = -ANCHOR_X[anchor - 1] * width - origin.x;
    r.bottom = -ANCHOR_Y[anchor - 1] * height - origin.y;
    r.right = r.left + width;
    r.top = r.bottom + height;
    return r;
}

void Quad::draw(VekGraphics& graphics, const Transform& world, uint32_t argb) const {
    const Rect local = getLocalRect();
    const float z = -origin.z;
    auto corner = [&](float x, float y, float u, float v) {
        return VekGraphics::QuadCorner{world.apply({x, y, z}), u, v, argb};
    };
    if (!pTexture) {
        graphics.drawQuad(nullptr,
                          {corner(local.left, local.top, 0.f, 0.f), corner(local.right, local.top, 0.f, 0.f),
                           corner(local.right, local.bottom, 0.f, 0.f),
                           corner(local.left, local.bottom, 0.f, 0.f)},
                          blend);
        return;
    }
    const float sourceWidth = source.right - source.left;
    const float sourceHeight = source.bottom - source.top;
    if (sourceWidth == 0.f || sourceHeight == 0.f) return;
    const float textureWidth = static_cast<float>(pTexture->getWidth());
    const float textureHeight = static_cast<float>(pTexture->getHeight());
    forEachSpan(source.left, source.right, textureWidth, [&](const Span& column) {
        const float x0 = local.left + (column.from - source.left) / sourceWidth * width;
        const float x1 = local.left + (column.to - source.left) / sourceWidth * width;
        forEachSpan(source.top, source.bottom, textureHeight, [&](const Span& row) {
            const float y0 = local.top - (row.from - source.top) / sourceHeight * height;
            const float y1 = local.top - (row.to - source.top) / sourceHeight * height;
            graphics.drawQuad(pTexture,
                              {corner(x0, y0, column.uFrom, row.uFrom), corner(x1, y0, column.uTo, row.uFrom),
                               corner(x1, y1, column.uTo, row.uTo), corner(x0, y1, column.uFrom, row.uTo)},
                              blend);
        });
    });
}
