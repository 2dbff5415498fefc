#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>
#include "platform/PartCache.h"
#include "platform/QuadCopy.h"

struct SDL_Rect;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Vertex;
struct SDL_Window;
union SDL_Event;

namespace platform {

/// One corner of a drawn triangle: position in viewport pixels, ARGB colour, texture
/// coordinates in 0..1 (the device does not repeat textures: callers split tiled quads).
struct DeviceVertex {
    float x = 0.f;
    float y = 0.f;
    uint32_t argb = 0xFFFFFFFF;
    float u = 0.f;
    float v = 0.f;
};

enum class BlendMode {
    Opaque,   ///< source replaces the frame
    Alpha,    ///< source over the frame by its alpha
    Additive, ///< source times its alpha added to the frame
};

/// A picture held by the device; a render target when made so. Dies before its device.
class DeviceTexture {
  public:
    ~DeviceTexture();
    DeviceTexture(const DeviceTexture&) = delete;
    DeviceTexture& operator=(const DeviceTexture&) = delete;

    int getWidth() const { return width; }
    int getHeight() const { return height; }
    bool isRenderTarget() const { return bRenderTarget; }

  private:
    friend class RenderDevice;
    DeviceTexture(SDL_Texture* texture, int width, int height, bool renderTarget);

    SDL_Texture* pTexture;
    int width;
    int height;
    bool bRenderTarget;
    bool bOpaque = false; ///< every uploaded pixel has full alpha
    mutable PartCache parts; // scaled and tinted parts, for the software renderer
};

/// Drawing on the program's window through SDL's OpenGL renderer, or through its software
/// renderer on a window made without OpenGL: textured triangles with per-vertex colour, three
/// blend modes, render targets and pixel read-back. ARGB colours are converted to SDL's order
/// here, once. Main thread only.
class RenderDevice {
  public:
    /// Opens the renderer that suits `window` (OpenGL on a window made for it, software on any
    /// other); null with `error` set when it cannot.
    static std::unique_ptr<RenderDevice> create(SDL_Window* window, bool vsync, std::string& error);
    ~RenderDevice();
    RenderDevice(const RenderDevice&) = delete;
    RenderDevice& operator=(const RenderDevice&) = delete;

    /// An empty texture of that size, or null (with the reason logged by the caller through
    /// `lastError`) when the device refuses it.
    std::unique_ptr<DeviceTexture> createTexture(int width, int height, bool renderTarget);
    /// The largest texture width and height the device takes; 0 when it does not say.
    int getMaxTextureSize() const;
    /// Copies ARGB pixels (top row first, `width` per row) into the whole texture.
    bool upload(DeviceTexture& texture, std::span<const uint32_t> argb);

    /// Where drawing goes: a render-target texture, or null for the window.
    void setRenderTarget(DeviceTexture* target);
    /// Pixel size of the current target.
    void getOutputSize(int& width, int& height) const;
    /// The part of the target that vertices are placed in and clipped to.
    void setViewport(int x, int y, int width, int height);
    /// Fills the whole target, viewport or not.
    void clearTarget(uint32_t argb);
    /// Fills the viewport.
    void fillViewport(uint32_t argb);
    /// Draws indexed triangles; `texture` null draws plain colour.
    void drawTriangles(const DeviceTexture* texture, std::span<const DeviceVertex> vertices,
                       std::span<const int> indices, BlendMode blend, bool bilinear);
    /// ARGB pixels of a rectangle of the current target in target pixels, top row first;
    /// empty when the device cannot read them.
    std::vector<uint32_t> readPixels(int x, int y, int width, int height);
    void present();
    bool setVSync(bool enabled);

    /// True once after the device lost its textures (all must be uploaded again).
    bool takeDeviceReset();
    /// True once after render targets lost their content.
    bool takeTargetsReset();

    const std::string& lastError() const { return error; }

  private:
    RenderDevice(SDL_Renderer* renderer, bool software);
    static int watchEvents(void* device, SDL_Event* event);
    bool fillRectangles(std::span<const DeviceVertex> vertices, std::span<const int> indices, BlendMode blend);
    bool copyParts(const DeviceTexture& texture, std::span<const DeviceVertex> vertices, std::span<const int> indices,
                   BlendMode blend, bool bilinear);
    /// Fills `copies` with the rectangles the triangles draw; false when any is no upright rectangle.
    bool findRectangles(std::span<const DeviceVertex> vertices, std::span<const int> indices, int textureWidth,
                        int textureHeight);
    SDL_Texture* keptPicture(const DeviceTexture& texture, const QuadCopy& copy, const SDL_Rect& target,
                             bool bilinear);

    SDL_Renderer* pRenderer;
    bool bSoftware;
    std::vector<QuadCopy> copies; // reused for every draw of parts
    std::vector<SDL_Vertex> converted; // reused for every draw
    int viewportX = 0;
    int viewportY = 0;
    int viewportWidth = 0;
    int viewportHeight = 0;
    bool bDeviceReset = false;
    bool bTargetsReset = false;
    std::string error;
};

} // namespace platform
