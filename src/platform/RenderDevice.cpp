#include "platform/RenderDevice.h"
#include <SDL.h>
#include <algorithm>

namespace platform {

namespace {

SDL_Color toSdlColor(uint32_t argb) {
    return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8), static_cast<Uint8>(argb),
                     static_cast<Uint8>(argb >> 24)};
}

SDL_BlendMode toSdlBlend(BlendMode blend) {
    switch (blend) {
    case BlendMode::Opaque:
        return SDL_BLENDMODE_NONE;
    case BlendMode::Alpha:
        return SDL_BLENDMODE_BLEND;
    case BlendMode::Additive:
        return SDL_BLENDMODE_ADD;
    }
    return SDL_BLENDMODE_BLEND;
}

void setDrawColor(SDL_Renderer* renderer, uint32_t argb) {
    const SDL_Color c = toSdlColor(argb);
    SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
}

} // namespace

DeviceTexture::DeviceTexture(SDL_Texture* texture, int textureWidth, int textureHeight, bool renderTarget)
    : pTexture(texture), width(textureWidth), height(textureHeight), bRenderTarget(renderTarget) {}

DeviceTexture::~DeviceTexture() {
    SDL_DestroyTexture(pTexture);
}

std::unique_ptr<RenderDevice> RenderDevice::create(SDL_Window* window, bool vsync, std::string& error) {
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
    const Uint32 flags =
        SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE | (vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags);
    if (!renderer) {
        error = SDL_GetError();
        return nullptr;
    }
    return std::unique_ptr<RenderDevice>(new RenderDevice(renderer));
}

RenderDevice::RenderDevice(SDL_Renderer* renderer) : pRenderer(renderer) {
    SDL_AddEventWatch(watchEvents, this);
    int width = 0;
    int height = 0;
    getOutputSize(width, height);
    setViewport(0, 0, width, height);
}

RenderDevice::~RenderDevice() {
    SDL_DelEventWatch(watchEvents, this);
    SDL_DestroyRenderer(pRenderer);
}

int RenderDevice::watchEvents(void* device, SDL_Event* event) {
    auto* self = static_cast<RenderDevice*>(device);
    if (event->type == SDL_RENDER_DEVICE_RESET) self->bDeviceReset = true;
    if (event->type == SDL_RENDER_TARGETS_RESET) self->bTargetsReset = true;
    return 1;
}

std::unique_ptr<DeviceTexture> RenderDevice::createTexture(int width, int height, bool renderTarget) {
    SDL_Texture* texture =
        SDL_CreateTexture(pRenderer, SDL_PIXELFORMAT_ARGB8888,
                          renderTarget ? SDL_TEXTUREACCESS_TARGET : SDL_TEXTUREACCESS_STATIC, width, height);
    if (!texture) {
        error = SDL_GetError();
        return nullptr;
    }
    return std::unique_ptr<DeviceTexture>(new DeviceTexture(texture, width, height, renderTarget));
}

int RenderDevice::getMaxTextureSize() const {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(pRenderer, &info) != 0) return 0;
    return std::min(info.max_texture_width, info.max_texture_height);
}

bool RenderDevice::upload(DeviceTexture& texture, std::span<const uint32_t> argb) {
    const auto needed = static_cast<std::size_t>(texture.width) * static_cast<std::size_t>(texture.height);
    if (argb.size() < needed) {
        error = "too few pixels for the texture";
        return false;
    }
    if (SDL_UpdateTexture(texture.pTexture, nullptr, argb.data(), texture.width * 4) != 0) {
        error = SDL_GetError();
        return false;
    }
    return true;
}

void RenderDevice::setRenderTarget(DeviceTexture* target) {
    SDL_SetRenderTarget(pRenderer, target ? target->pTexture : nullptr);
    int width = 0;
    int height = 0;
    getOutputSize(width, height);
    setViewport(0, 0, width, height);
}

void RenderDevice::getOutputSize(int& width, int& height) const {
    SDL_Texture* target = SDL_GetRenderTarget(pRenderer);
    if (target) {
        SDL_QueryTexture(target, nullptr, nullptr, &width, &height);
        return;
    }
    SDL_GetRendererOutputSize(pRenderer, &width, &height);
}

void RenderDevice::setViewport(int x, int y, int width, int height) {
    viewportX = x;
    viewportY = y;
    viewportWidth = width;
    viewportHeight = height;
    const SDL_Rect rect{x, y, width, height};
    SDL_RenderSetViewport(pRenderer, &rect);
}

void RenderDevice::clearTarget(uint32_t argb) {
    SDL_RenderSetViewport(pRenderer, nullptr);
    setDrawColor(pRenderer, argb);
    SDL_RenderClear(pRenderer);
    setViewport(viewportX, viewportY, viewportWidth, viewportHeight);
}

void RenderDevice::fillViewport(uint32_t argb) {
    int width = 0;
    int height = 0;
    getOutputSize(width, height);
    if (viewportX == 0 && viewportY == 0 && viewportWidth == width && viewportHeight == height) {
        clearTarget(argb);  // the same pixels; a clear costs the device far less than drawing
        return;
    }
    setDrawColor(pRenderer, argb);
    SDL_SetRenderDrawBlendMode(pRenderer, SDL_BLENDMODE_NONE);
    const SDL_Rect all{0, 0, viewportWidth, viewportHeight};
    SDL_RenderFillRect(pRenderer, &all);
}

void RenderDevice::drawTriangles(const DeviceTexture* texture, std::span<const DeviceVertex> vertices,
                                 std::span<const int> indices, BlendMode blend, bool bilinear) {
    if (vertices.empty()) return;
    converted.resize(vertices.size());
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        const DeviceVertex& v = vertices[i];
        converted[i] = SDL_Vertex{SDL_FPoint{v.x, v.y}, toSdlColor(v.argb), SDL_FPoint{v.u, v.v}};
    }
    SDL_Texture* sdlTexture = texture ? texture->pTexture : nullptr;
    if (sdlTexture) {
        SDL_SetTextureBlendMode(sdlTexture, toSdlBlend(blend));
        SDL_SetTextureScaleMode(sdlTexture, bilinear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    } else {
        SDL_SetRenderDrawBlendMode(pRenderer, toSdlBlend(blend));
    }
    SDL_RenderGeometry(pRenderer, sdlTexture, converted.data(), static_cast<int>(converted.size()),
                       indices.empty() ? nullptr : indices.data(), static_cast<int>(indices.size()));
}

std::vector<uint32_t> RenderDevice::readPixels(int x, int y, int width, int height) {
    if (width <= 0 || height <= 0) return {};
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    SDL_RenderSetViewport(pRenderer, nullptr);
    const SDL_Rect rect{x, y, width, height};
    const int status =
        SDL_RenderReadPixels(pRenderer, &rect, SDL_PIXELFORMAT_ARGB8888, pixels.data(), width * 4);
    setViewport(viewportX, viewportY, viewportWidth, viewportHeight);
    if (status != 0) {
        error = SDL_GetError();
        return {};
    }
    return pixels;
}

void RenderDevice::present() {
    SDL_RenderPresent(pRenderer);
}

bool RenderDevice::setVSync(bool enabled) {
    return SDL_RenderSetVSync(pRenderer, enabled ? 1 : 0) == 0;
}

bool RenderDevice::takeDeviceReset() {
    const bool reset = bDeviceReset;
    bDeviceReset = false;
    return reset;
}

bool RenderDevice::takeTargetsReset() {
    const bool reset = bTargetsReset;
    bTargetsReset = false;
    return reset;
}

} // namespace platform
