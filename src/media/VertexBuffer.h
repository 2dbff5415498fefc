#pragma once
#include <vector>
#include "platform/RenderDevice.h"

/// Quads collected for one draw call: all share a texture, a blend mode and a filter, so
/// thousands of sprites cost the device one call. Main thread only.
class VertexBuffer {
  public:
    /// True when a quad with these states can join the quads already held.
    bool accepts(const platform::DeviceTexture* texture, platform::BlendMode blend, bool bilinear) const {
        return pTexture == texture && blendMode == blend && bBilinear == bilinear;
    }
    /// Starts a new batch with these states; the buffer must be empty (flushed).
    void setStates(const platform::DeviceTexture* texture, platform::BlendMode blend, bool bilinear);
    /// Corners in order around the quad: two triangles 0-1-2 and 0-2-3.
    void addQuad(const platform::DeviceVertex (&corners)[4]);
    /// Draws what was collected and empties the buffer.
    void flush(platform::RenderDevice& device);
    bool isEmpty() const { return vertices.empty(); }
    /// Forgets the states (a texture that is about to die must not be matched later).
    void forgetStates() { pTexture = nullptr; }

  private:
    std::vector<platform::DeviceVertex> vertices;
    std::vector<int> indices;
    const platform::DeviceTexture* pTexture = nullptr;
    platform::BlendMode blendMode = platform::BlendMode::Alpha;
    bool bBilinear = true;
};
