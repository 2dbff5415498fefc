#pragma once
#include <cstdint>
#include <optional>
#include <span>

namespace platform {

struct DeviceVertex;

/// Two triangles that together show an upright, unmirrored rectangle of a texture, whole
/// texels, in one colour: a rectangle copy.
struct QuadCopy {
    int sourceX = 0; ///< the texture part, in texels
    int sourceY = 0;
    int sourceWidth = 0;
    int sourceHeight = 0;
    float left = 0.f; ///< where it lands, in viewport pixels
    float top = 0.f;
    float width = 0.f;
    float height = 0.f;
    uint32_t argb = 0xFFFFFFFF;

    /// The copy that the triangles `indices[first..first+5]` (two triangles sharing a diagonal)
    /// draw from a texture of `textureWidth` by `textureHeight`, if they draw one; with no
    /// texture (width 0) the rectangle they fill, whatever their texture coordinates.
    static std::optional<QuadCopy> fromTriangles(std::span<const DeviceVertex> vertices, std::span<const int> indices,
                                                 std::size_t first, int textureWidth, int textureHeight);
};

} // namespace platform
