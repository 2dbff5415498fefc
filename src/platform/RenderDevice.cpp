#include "platform/RenderDevice.h"
#include <SDL.h>
#include <algorithm>
#include <cmath>

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

void setColourMod(SDL_Texture* texture, uint32_t argb) {
    const SDL_Color c = toSdlColor(argb);
    SDL_SetTextureColorMod(texture, c.r, c.g, c.b);
    SDL_SetTextureAlphaMod(texture, c.a);
}

bool isOpaque(std::span<const uint32_t> argb) {
    return std::all_of(argb.begin(), argb.end(), [](uint32_t pixel) { return pixel >= 0xFF000000; });
}

// Blending a fully opaque picture over the frame gives the pixels that copying it gives, at a
// fraction of the cost.
BlendMode cheapestBlend(bool bOpaqueTexture, std::span<const DeviceVertex> vertices, BlendMode blend) {
    if (blend != BlendMode::Alpha || !bOpaqueTexture) return blend;
    const bool bOpaqueColours =
        std::all_of(vertices.begin(), vertices.end(), [](const DeviceVertex& v) { return v.argb >= 0xFF000000; });
    return bOpaqueColours ? BlendMode::Opaque : blend;
}

// Copies the texture part that `copy` shows, tinted by its colour, to `target` (the whole
// target when null) with the texture's blend mode as set.
void copyTinted(SDL_Renderer* renderer, SDL_Texture* texture, const QuadCopy& copy, const SDL_Rect* target,
                bool bilinear) {
    const SDL_Rect part{copy.sourceX, copy.sourceY, copy.sourceWidth, copy.sourceHeight};
    SDL_SetTextureScaleMode(texture, bilinear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    setColourMod(texture, copy.argb);
    SDL_RenderCopy(renderer, texture, &part, target);
    setColourMod(texture, 0xFFFFFFFF);
}

// The pixels whose centres a rectangle covers, as OpenGL fills them: neighbours that share an
// edge share no pixel and leave none out between them.
SDL_Rect coveredPixels(const QuadCopy& copy) {
    const auto edge = [](float at) { return static_cast<int>(std::ceil(at - 0.5f)); };
    const int left = edge(copy.left);
    const int top = edge(copy.top);
    return SDL_Rect{left, top, edge(copy.left + copy.width) - left, edge(copy.top + copy.height) - top};
}

} // namespace

DeviceTexture::DeviceTexture(SDL_Texture* texture, int textureWidth, int textureHeight, bool renderTarget)
    : pTexture(texture), width(textureWidth), height(textureHeight), bRenderTarget(renderTarget) {}

DeviceTexture::~DeviceTexture() {
    SDL_DestroyTexture(pTexture);
}

std::unique_ptr<RenderDevice> RenderDevice::create(SDL_Window* window, bool vsync, std::string& error) {
    const bool bSoftware = (SDL_GetWindowFlags(window) & SDL_WINDOW_OPENGL) == 0;
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, bSoftware ? "software" : "opengl");
    const Uint32 flags = (bSoftware ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED) | SDL_RENDERER_TARGETTEXTURE |
                         (vsync ? SDL_RENDERER_PRESENTVSYNC : 0);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, flags);
    if (!renderer) {
        error = SDL_GetError();
        return nullptr;
    }
    return std::unique_ptr<RenderDevice>(new RenderDevice(renderer, bSoftware));
}

RenderDevice::RenderDevice(SDL_Renderer* renderer, bool software) : pRenderer(renderer), bSoftware(software) {
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
    texture.bOpaque = isOpaque(argb.first(needed));
    texture.parts.clear();
    return true;
}

void RenderDevice::setRenderTarget(DeviceTexture* target) {
    if (target) target->parts.clear(); // what is drawn on it changes its parts
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
    blend = cheapestBlend(texture && texture->bOpaque, vertices, blend);
    if (bSoftware && (texture ? copyParts(*texture, vertices, indices, blend, bilinear)
                              : fillRectangles(vertices, indices, blend)))
        return;
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

// SDL's software renderer turns plain-colour triangles that make a rectangle into a fill that
// loses additive blending and, with no alpha, draws nothing even where it should replace the
// frame; filled as rectangles from here they come out right.
bool RenderDevice::fillRectangles(std::span<const DeviceVertex> vertices, std::span<const int> indices,
                                  BlendMode blend) {
    if (!findRectangles(vertices, indices, 0, 0)) return false;
    SDL_SetRenderDrawBlendMode(pRenderer, toSdlBlend(blend));
    for (const QuadCopy& copy : copies) {
        setDrawColor(pRenderer, copy.argb);
        const SDL_Rect pixels = coveredPixels(copy);
        SDL_RenderFillRect(pRenderer, &pixels);
    }
    return true;
}

// Upright rectangles go to SDL's software renderer as rectangle copies, on whole pixels (it
// would cut float positions down, leaving gaps between neighbours). It scales and tints a
// texture anew at every copy; parts that repeat are drawn from kept pictures instead, made by
// the same scaling and tinting: the same pixels, but for a unit of rounding where a tint lowers
// the alpha.
bool RenderDevice::copyParts(const DeviceTexture& texture, std::span<const DeviceVertex> vertices,
                             std::span<const int> indices, BlendMode blend, bool bilinear) {
    if (!findRectangles(vertices, indices, texture.width, texture.height)) return false;
    const SDL_BlendMode sdlBlend = toSdlBlend(blend);
    for (const QuadCopy& copy : copies) {
        const SDL_Rect target = coveredPixels(copy);
        if (target.w <= 0 || target.h <= 0) continue;
        const bool bSame = copy.argb == 0xFFFFFFFF && target.w == copy.sourceWidth && target.h == copy.sourceHeight;
        if (SDL_Texture* picture = bSame ? nullptr : keptPicture(texture, copy, target, bilinear)) {
            SDL_SetTextureBlendMode(picture, sdlBlend);
            SDL_RenderCopy(pRenderer, picture, nullptr, &target);
            continue;
        }
        SDL_SetTextureBlendMode(texture.pTexture, sdlBlend);
        copyTinted(pRenderer, texture.pTexture, copy, &target, bilinear);
    }
    return true;
}

bool RenderDevice::findRectangles(std::span<const DeviceVertex> vertices, std::span<const int> indices,
                                  int textureWidth, int textureHeight) {
    if (indices.empty() || indices.size() % 6 != 0) return false;
    copies.clear();
    for (std::size_t first = 0; first < indices.size(); first += 6) {
        const auto copy = QuadCopy::fromTriangles(vertices, indices, first, textureWidth, textureHeight);
        if (!copy) return false;
        copies.push_back(*copy);
    }
    return true;
}

SDL_Texture* RenderDevice::keptPicture(const DeviceTexture& texture, const QuadCopy& copy, const SDL_Rect& target,
                                       bool bilinear) {
    constexpr int MAX_PIXELS = 640 * 480;
    if (target.w * target.h > MAX_PIXELS) return nullptr;
    const PartCache::Key key{copy.sourceX, copy.sourceY, copy.sourceWidth, copy.sourceHeight,
                             target.w,     target.h,     copy.argb,        bilinear ? 1 : 0};
    bool bWorthKeeping = false;
    if (SDL_Texture* kept = texture.parts.find(key, bWorthKeeping)) return kept;
    if (!bWorthKeeping) return nullptr;
    SDL_Texture* picture =
        SDL_CreateTexture(pRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, target.w, target.h);
    if (!picture) return nullptr;
    SDL_SetTextureScaleMode(picture, SDL_ScaleModeNearest);
    SDL_Texture* previousTarget = SDL_GetRenderTarget(pRenderer);
    SDL_SetRenderTarget(pRenderer, picture);
    SDL_SetTextureBlendMode(texture.pTexture, SDL_BLENDMODE_NONE);
    copyTinted(pRenderer, texture.pTexture, copy, nullptr, bilinear);
    SDL_SetRenderTarget(pRenderer, previousTarget);
    setViewport(viewportX, viewportY, viewportWidth, viewportHeight);
    texture.parts.keep(key, picture, static_cast<std::size_t>(target.w) * static_cast<std::size_t>(target.h) * 4);
    return picture;
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
