#include "media/VertexBuffer.h"

void VertexBuffer::setStates(const platform::DeviceTexture* texture, platform::BlendMode blend,
                             bool bilinear) {
    pTexture = texture;
    blendMode = blend;
    bBilinear = bilinear;
}

void VertexBuffer::addQuad(const platform::DeviceVertex (&corners)[4]) {
    const int first = static_cast<int>(vertices.size());
    vertices.insert(vertices.end(), std::begin(corners), std::end(corners));
    for (int offset : {0, 1, 2, 0, 2, 3})
        indices.push_back(first + offset);
}

void VertexBuffer::flush(platform::RenderDevice& device) {
    if (vertices.empty()) return;
    device.drawTriangles(pTexture, vertices, indices, blendMode, bBilinear);
    vertices.clear();
    indices.clear();
}
