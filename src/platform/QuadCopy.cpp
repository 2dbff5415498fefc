#include "platform/QuadCopy.h"
#include <algorithm>
#include <array>
#include <cmath>
#include "platform/RenderDevice.h"

namespace platform {

namespace {

// Texture coordinates this close to a texel edge are taken as on it.
constexpr float TEXEL_TOLERANCE = 1e-3f;

std::optional<int> wholeTexel(float coordinate, int size) {
    const float texel = coordinate * static_cast<float>(size);
    const float rounded = std::round(texel);
    if (std::fabs(texel - rounded) > TEXEL_TOLERANCE || rounded < 0.f || rounded > static_cast<float>(size))
        return std::nullopt;
    return static_cast<int>(rounded);
}

// The four distinct corners of two triangles that share exactly one edge, the shared ones
// at [0] and [2] (the diagonal) and the others at [1] and [3]; none otherwise.
std::optional<std::array<int, 4>> quadCorners(std::span<const int> triangles) {
    const auto inFirst = [&](int index) {
        return std::find(triangles.begin(), triangles.begin() + 3, index) != triangles.begin() + 3;
    };
    std::array<int, 4> corners{};
    int shared = 0;
    int own = 0;
    for (int k = 3; k < 6; ++k) {
        if (inFirst(triangles[k])) {
            if (shared == 2) return std::nullopt;
            corners[shared++ * 2] = triangles[k];
        } else {
            if (own == 1) return std::nullopt;
            corners[3] = triangles[k];
            ++own;
        }
    }
    if (shared != 2 || own != 1) return std::nullopt;
    for (int k = 0; k < 3; ++k)
        if (triangles[k] != corners[0] && triangles[k] != corners[2]) corners[1] = triangles[k];
    if (corners[1] == corners[3]) return std::nullopt;
    return corners;
}

} // namespace

std::optional<QuadCopy> QuadCopy::fromTriangles(std::span<const DeviceVertex> vertices, std::span<const int> indices,
                                                std::size_t first, int textureWidth, int textureHeight) {
    if (first + 6 > indices.size()) return std::nullopt;
    const auto corners = quadCorners(indices.subspan(first, 6));
    if (!corners) return std::nullopt;
    std::array<const DeviceVertex*, 4> v{};
    for (int k = 0; k < 4; ++k) {
        const int index = (*corners)[k];
        if (index < 0 || static_cast<std::size_t>(index) >= vertices.size()) return std::nullopt;
        v[k] = &vertices[static_cast<std::size_t>(index)];
    }
    // Around the rectangle the corners alternate: [0] and [2] are opposite, as are [1] and [3].
    const DeviceVertex& a = *v[0];
    const DeviceVertex& c = *v[2];
    for (const DeviceVertex* corner : v)
        if (corner->argb != a.argb) return std::nullopt;
    if (a.x == c.x || a.y == c.y) return std::nullopt;
    const bool bTextured = textureWidth > 0;
    for (const DeviceVertex* side : {v[1], v[3]}) {
        const bool bUnderA = side->x == a.x && side->y == c.y && (!bTextured || (side->u == a.u && side->v == c.v));
        const bool bUnderC = side->x == c.x && side->y == a.y && (!bTextured || (side->u == c.u && side->v == a.v));
        if (!bUnderA && !bUnderC) return std::nullopt;
    }
    if (v[1]->x == v[3]->x) return std::nullopt;
    QuadCopy copy;
    copy.argb = a.argb;
    copy.left = std::min(a.x, c.x);
    copy.top = std::min(a.y, c.y);
    copy.width = std::fabs(c.x - a.x);
    copy.height = std::fabs(c.y - a.y);
    if (!bTextured) return copy;
    const auto u0 = wholeTexel(a.u, textureWidth);
    const auto u1 = wholeTexel(c.u, textureWidth);
    const auto v0 = wholeTexel(a.v, textureHeight);
    const auto v1 = wholeTexel(c.v, textureHeight);
    if (!u0 || !u1 || !v0 || !v1 || *u0 == *u1 || *v0 == *v1) return std::nullopt;
    if ((c.x > a.x) != (*u1 > *u0) || (c.y > a.y) != (*v1 > *v0)) return std::nullopt; // mirrored
    copy.sourceX = std::min(*u0, *u1);
    copy.sourceY = std::min(*v0, *v1);
    copy.sourceWidth = std::abs(*u1 - *u0);
    copy.sourceHeight = std::abs(*v1 - *v0);
    return copy;
}

} // namespace platform
