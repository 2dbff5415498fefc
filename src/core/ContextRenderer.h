#pragma once
#include <cstdint>

class Camera;

/// What a context needs of the graphics device to draw itself: clearing the frame and
/// looking through its camera. The graphics service implements it and installs itself in
/// the engine root; while none is installed contexts draw only their contents.
class ContextRenderer {
public:
    virtual ~ContextRenderer() = default;
    /// Fills the whole frame with an ARGB colour.
    virtual void clear(uint32_t argb) = 0;
    /// Makes the camera the view of everything drawn next.
    virtual void useCamera(const Camera& camera) = 0;
};
